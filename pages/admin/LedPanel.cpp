#include "LedPanel.h"

#include <QLinearGradient>
#include <QPainter>

#include "LedSelector.h"

namespace {

constexpr int kLeft = 8, kPitch = 45, kWidth = 42, kHeight = 22;

// A run of LEDs side by side, from a column of the panel's grid on.
struct LedRow {
  int first, last, column, y;
};
// Channel 1 status, its bar graph, the common LEDs, channel 2's bar graph,
// channel 2 status and the last four.
constexpr LedRow kRows[] = {
    {0, 4, 0, 28}, {5, 14, 0, 62}, {15, 25, 0, 108},
    {26, 35, 0, 154}, {36, 40, 0, 188}, {41, 44, 7, 188},
};
constexpr int kBarRows[] = {1, 3};  // rows of kRows holding a bar graph

QRect RowSpan(const LedRow& row) {
  return LedPanel::LedRect(row.first).united(LedPanel::LedRect(row.last));
}

}  // namespace

LedPanel::LedPanel(QWidget* parent, const LedIcons* icons) : QWidget(parent) {
  setObjectName(QStringLiteral("imgFrontPanel"));
  for (int i = 0; i < kLedCount; ++i) {
    auto* selector = new LedSelector(this, icons);
    selector->setObjectName(QStringLiteral("cbLed%1").arg(i));
    selector->setGeometry(LedRect(i));
    selectors_[static_cast<size_t>(i)] = selector;
  }
}

QRect LedPanel::LedRect(int led) {
  for (const LedRow& row : kRows)
    if (led >= row.first && led <= row.last)
      return {kLeft + (row.column + led - row.first) * kPitch, row.y, kWidth, kHeight};
  return {};
}

void LedPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF plate = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient metal(plate.topLeft(), plate.bottomLeft());
  metal.setColorAt(0, QColor(92, 98, 108));
  metal.setColorAt(1, QColor(52, 56, 64));
  p.setPen(QPen(QColor(30, 32, 36), 1));
  p.setBrush(metal);
  p.drawRoundedRect(plate, 10, 10);

  // The bar graphs sit behind dark windows, the common LEDs between two rules.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(24, 26, 30));
  for (int row : kBarRows) p.drawRoundedRect(RowSpan(kRows[row]).adjusted(-3, -4, 3, 4), 5, 5);
  const QRect common = RowSpan(kRows[2]);
  p.setPen(QPen(QColor(150, 156, 166), 1));
  p.drawLine(common.left(), common.top() - 10, common.right(), common.top() - 10);
  p.drawLine(common.left(), common.bottom() + 10, common.right(), common.bottom() + 10);

  // A bezel round every LED.
  p.setPen(QPen(QColor(20, 20, 22), 2));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < kLedCount; ++i) p.drawRoundedRect(LedRect(i).adjusted(-2, -2, 2, 2), 4, 4);

  QFont lettering = font();
  lettering.setBold(true);
  p.setFont(lettering);
  p.setPen(QColor(235, 238, 242));
  const QRect title = RowSpan(kRows[0]).translated(6 * kPitch, 0);
  p.drawText(title, Qt::AlignCenter, QStringLiteral("VOREN XR"));
  for (int n = 0; n < 2; ++n) {
    const QRect bar = RowSpan(kRows[kBarRows[n]]);
    p.drawText(QRect(bar.right() + 6, bar.top(), kPitch, bar.height()), Qt::AlignCenter,
               QStringLiteral("CH %1").arg(n + 1));
  }
}
