// What one flow log capture tick costs against the simulated detector on a
// pseudo-terminal: the command 26 exchange alone, the whole tick (exchange,
// records listed, samples stored, both graphs painted), and the paint of the
// full graph (5 series x 1000 samples) on its own. The goal is a repaint well
// under 2 ms, so that a 300 ms capture leaves the window idle. Median of
// several runs.
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <cstdio>
#include <vector>

#include "ConsoleMemo.h"
#include "FlowLogRecord.h"
#include "FrmTestTKVU.h"
#include "PaintBox.h"
#include "BenchSupport.h"
#include "BenchWindow.h"

namespace {
constexpr int kRuns = 200;

// Both paint boxes drawn as a repaint draws them, into images of their size.
void PaintBoth(TFrmTestTKV& form) {
  for (PaintBox* box : {form.pb, form.pbFlow2}) {
    QImage image(box->size(), QImage::Format_ARGB32_Premultiplied);
    box->render(&image);
  }
}

// Every sample of every series set, so each paint draws 5 x 1000 dots.
void FillGraph(FlowGraphBuffers& graph) {
  const int levels[FlowGraphBuffers::kSeries] = {21500, 23000, 300, 220, 70};
  for (int s = 0; s < FlowGraphBuffers::kSeries; ++s)
    for (int i = 0; i < FlowGraphBuffers::kLength; ++i)
      graph.Series[s][i] = levels[s] + (i * 37 + s * 11) % 60;
}
}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  bench::SimulatedCom com(9);
  if (!com.ok()) return 1;

  QApplication application(argc, argv);
  TFrmTestTKV form;
  if (!bench::ShowAndConnect(form, 9)) return 1;
  form.ShowEngineeringPages(true);
  form.PageControl1->setCurrentIndex(8);  // the Flow graph page: its graph is on screen
  QCoreApplication::processEvents();

  frame::Params params{};
  params[0] = params[1] = 5;
  std::vector<uint8_t> answer(frame::kMaxAnswer);
  const double bareMs = bench::MedianMs(kRuns, [&] {
    form.Device->SendCommand(flowlog::kReadFlowLog, 0, flowlog::kAnswerSize, params, nullptr,
                             answer.data());
  });
  std::printf("command 26 alone (SendCommand):              %8.3f ms\n", bareMs);

  FillGraph(form.FlowGraph);
  const double paintMs = bench::MedianMs(kRuns, [&] { PaintBoth(form); });
  std::printf("paint of both graphs, 5 x 1000 samples:      %8.3f ms\n", paintMs);
  const double screenMs = bench::MedianMs(kRuns, [&] { form.pbFlow2->repaint(); });
  std::printf("repaint of the Flow graph page's graph:      %8.3f ms\n", screenMs);

  const double tickMs = bench::MedianMs(kRuns, [&] {
    FillGraph(form.FlowGraph);
    form.tmrFlowLogTimer(nullptr);
    form.memFlowLog1->Flush();
    form.memFlowLog2->Flush();
    PaintBoth(form);
  });
  std::printf("capture tick with both paints:               %8.3f ms  (%.2f x the exchange)\n",
              tickMs, tickMs / bareMs);

  return 0;
}
