#include "EepromGridHeader.h"

#include <QPainter>
#include <qdrawutil.h>

#include "EepromCellText.h"
#include "Tag.h"

namespace {
constexpr int kTextMargin = 2;
}

EepromGridHeader::EepromGridHeader(QWidget* grid) : QHeaderView(Qt::Horizontal, grid), grid_(grid) {}

void EepromGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  if (Tag(grid_) == 1) return;
  painter->save();
  const QBrush face = palette().button();
  qDrawShadePanel(painter, rect, palette(), false, 1, &face);
  painter->setFont(font());
  painter->setPen(Qt::black);
  painter->drawText(rect.adjusted(kTextMargin, 0, -kTextMargin, 0),
                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                    logicalIndex == 0 ? KeyTitleText() : ValueTitleText());
  painter->restore();
}
