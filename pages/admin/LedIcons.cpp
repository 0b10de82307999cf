#include "LedIcons.h"

#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>

namespace {

// By selector item: off, green, red, yellow.
const QColor kLit[LedIcons::kItems] = {QColor(72, 72, 72), QColor(30, 200, 40),
                                       QColor(225, 30, 25), QColor(245, 200, 0)};

// A lens lit from the upper left, in the LED's colour.
QBrush Lens(const QRectF& r, const QColor& colour) {
  QRadialGradient g(r.center() - QPointF(r.width() / 5, r.height() / 5), r.width() * 0.7);
  g.setColorAt(0, colour.lighter(170));
  g.setColorAt(0.5, colour);
  g.setColorAt(1, colour.darker(160));
  return g;
}

// Plain: a whole lit lens. Alternative: a lit ring round a dark centre with a
// lit dot, so the two looks tell apart at a glance.
QPixmap DrawLed(const QColor& colour, LedStyle style) {
  QPixmap pixmap(LedIcons::kSize, LedIcons::kSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF lens(1.5, 1.5, LedIcons::kSize - 3, LedIcons::kSize - 3);
  p.setPen(QPen(colour.darker(250), 1));
  p.setBrush(Lens(lens, colour));
  p.drawEllipse(lens);
  if (style == LedStyle::Alternative) {
    const QRectF centre = lens.adjusted(3.5, 3.5, -3.5, -3.5);
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(centre);
    p.setPen(Qt::NoPen);
    p.setBrush(colour.lighter(130));
    p.drawEllipse(centre.center(), 1.5, 1.5);
  }
  return pixmap;
}

}  // namespace

LedIcons::LedIcons(LedStyle style, QObject* parent) : QObject(parent), style_(style) {
  for (int i = 0; i < kItems; ++i) icons_[static_cast<size_t>(i)] = QIcon(DrawLed(kLit[i], style));
}

QIcon LedIcons::Icon(int item) const {
  return icons_[static_cast<size_t>(item >= 0 && item < kItems ? item : 0)];
}
