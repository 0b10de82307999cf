// The Flow graph page: the large graph of the flow log capture with its
// colour legend and the scale limits of the two main series, and the graphs'
// "Save graph as PNG..." menu item.
#include <QAction>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include "FlowGraphSeries.h"
#include "FrmTestTKVU.h"
#include "GraphPanel.h"
#include "PaintBox.h"
#include "Place.h"
#include "WholeFile.h"

namespace {

QLabel* PlaceLegend(QWidget* page, const char* name, int row) {
  const FlowGraphSeries& series = kFlowGraphSeries[static_cast<size_t>(row)];
  auto* label = Place<QLabel>(page, name, QRect(816, 8 + 20 * row, 120, 16), series.legend);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, series.colour);
  label->setPalette(palette);
  return label;
}

}  // namespace

void TFrmTestTKV::BuildFlowGraphPage(QWidget* page) {
  const GraphPanel graph =
      PlaceGraphPanel(page, "pnlFlowLog2", "pbFlow2", QPoint(4, 4), QSize(797, 355));
  pnlFlowLog2 = graph.panel;
  pbFlow2 = graph.box;
  pbFlow2->SetPaintHandler([this](PaintBox* box) { pbFlow2Paint(box); });

  lblAndata = PlaceLegend(page, "lblAndata", 0);
  lblRitorno = PlaceLegend(page, "lblRitorno", 1);
  lblDifferenza = PlaceLegend(page, "lblDifferenza", 2);
  lblTermistore = PlaceLegend(page, "lblTermistore", 3);
  lblDuty = PlaceLegend(page, "lblDuty", 4);
  lblLimits = Place<QLabel>(page, "lblLimits", QRect(816, 120, 120, 16), "limits A-R");
  edtAndataMin = Place<QLineEdit>(page, "edtAndataMin", QRect(816, 138, 64, 22));
  edtAndataMin->setText(QString::number(kAndataLo));
  edtAndataMax = Place<QLineEdit>(page, "edtAndataMax", QRect(816, 164, 64, 22));
  edtAndataMax->setText(QString::number(kAndataHi));
  // New limits show at once, on both graphs.
  for (QLineEdit* limit : {edtAndataMin, edtAndataMax})
    for (PaintBox* box : {pb, pbFlow2})
      connect(limit, &QLineEdit::textChanged, box, qOverload<>(&QWidget::update));

  Wire(graph.saveAction, &QAction::triggered, &TFrmTestTKV::mnuSaveGraphClick);
  // The form starts with the headings in place and an empty graph.
  btnClearFlowLogClick(nullptr);
}

// The menu item belongs to its paint box; without one, the large graph is saved.
void TFrmTestTKV::mnuSaveGraphClick(QObject* Sender) {
  auto* box = Sender ? dynamic_cast<PaintBox*>(Sender->parent()) : nullptr;
  if (!box) box = pbFlow2;
  const std::optional<QString> path = dialogs().SaveFileName(
      {QStringLiteral("Save graph as PNG"), QStringLiteral("PNG files (*.png)"), QStringLiteral("png"), QString()});
  if (!path) return;
  const QImage image = box->grab().toImage();
  // Whole or not at all, like every file the window writes.
  WriteWholeFile(*path, [&image](QIODevice& file) { return image.save(&file, "PNG"); });
}
