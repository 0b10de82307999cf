// Both paint boxes of the flow graph are drawn here, from the same samples:
// a silver grid every 10 pixels, then each series as two-pixel dots in its
// colour, one pixel per sample from the left edge, with the newest value
// written beside its last dot.
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <QVector>

#include "Convert.h"
#include "FlowGraphScale.h"
#include "FlowGraphSeries.h"
#include "FrmTestTKVU.h"
#include "PaintBox.h"

namespace {

const QColor kGridColour(192, 192, 192);
constexpr int kGridStep = 10;
constexpr int kGridLength = 1000;
constexpr int kLabelOffset = 3;

struct Scale {
  int lo, hi;
};

// A paint never fails: limits that are no numbers, or that leave no span,
// give way to the defaults.
Scale AndataScale(const QLineEdit* minimum, const QLineEdit* maximum) {
  const std::optional<int> lo = TryStrToInt(minimum->text()), hi = TryStrToInt(maximum->text());
  if (lo && hi && *hi > *lo) return {*lo, *hi};
  return {kAndataLo, kAndataHi};
}

const QFont& LabelFont() {
  static const QFont font = [] {
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPointSize(8);
    return courier;
  }();
  return font;
}

// A two-pixel dot is a line from (i, y) to (i + 1, y + 1) drawn with a pen two
// pixels wide; it covers exactly two 2 x 2 squares, which fill far faster
// than the pen strokes.
void AddDot(QVector<QRect>& dots, int i, int y) {
  dots.append(QRect(i - 1, y - 1, 2, 2));
  dots.append(QRect(i, y, 2, 2));
}

void DrawSeries(QPainter& canvas, const std::array<int32_t, FlowGraphBuffers::kLength>& samples,
                const QColor& colour, Scale scale, int height) {
  QVector<QRect> dots;
  int last = -1, lastRow = 0;
  for (int i = 0; i < FlowGraphBuffers::kLength; ++i) {
    if (samples[i] <= 0) continue;
    lastRow = FlowGraphScale(samples[i], scale.lo, scale.hi, height);
    AddDot(dots, i, lastRow);
    last = i;
  }
  canvas.setPen(Qt::NoPen);
  canvas.setBrush(colour);
  canvas.drawRects(dots);
  if (last <= 0) return;
  // The pen would end at (last + 1, lastRow + 1); the value is written 3
  // pixels right of and up from there (its top left corner).
  const QPoint topLeft(last + 1 + kLabelOffset, lastRow + 1 - kLabelOffset);
  canvas.setPen(colour);
  canvas.setFont(LabelFont());
  canvas.drawText(topLeft + QPoint(0, QFontMetrics(canvas.font()).ascent()),
                  QString::number(samples[static_cast<size_t>(last)]));
}

}  // namespace

void TFrmTestTKV::pbFlow2Paint(QObject* Sender) {
  auto* box = dynamic_cast<PaintBox*>(Sender);
  if (!box || !box->Canvas()) return;
  QPainter& canvas = *box->Canvas();
  const int height = box->height();
  canvas.setPen(QPen(kGridColour, 1));
  for (int y = 0; y < height; y += kGridStep) canvas.drawLine(0, y, kGridLength, y);
  const Scale andata = AndataScale(edtAndataMin, edtAndataMax);
  for (int s = 0; s < FlowGraphBuffers::kSeries; ++s) {
    const FlowGraphSeries& series = kFlowGraphSeries[static_cast<size_t>(s)];
    const Scale scale = s < kAndataSeries ? andata : Scale{series.lo, series.hi};
    DrawSeries(canvas, FlowGraph.Series[static_cast<size_t>(s)], series.colour, scale, height);
  }
}
