#include "EepromGridDelegate.h"

#include <QPainter>

#include "Convert.h"
#include "Tag.h"

namespace {
constexpr int kTextMargin = 2;
}

EepromGridDelegate::EepromGridDelegate(QWidget* grid, CellText keyText, CellText valueText,
                                       QSet<int> checksumBytes)
    : QStyledItemDelegate(grid),
      grid_(grid),
      keyText_(keyText),
      valueText_(valueText),
      checksumBytes_(std::move(checksumBytes)) {}

void EepromGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  if (Tag(grid_) == 1) return;
  const QString key = index.siblingAtColumn(0).data().toString();
  const std::optional<int> byte = TryStrToInt(key);
  const bool checksum = byte && checksumBytes_.contains(*byte);
  const QString text = index.column() == 0 ? keyText_(key) : valueText_(index.data().toString());

  painter->save();
  painter->fillRect(option.rect, checksum ? Qt::yellow : Qt::white);
  painter->setFont(option.font);
  painter->setPen(Qt::black);
  painter->drawText(option.rect.adjusted(kTextMargin, 0, -kTextMargin, 0),
                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
  // Without it the operator could not see which value a key press edits.
  if (option.state & QStyle::State_HasFocus) {
    painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
  }
  painter->restore();
}
