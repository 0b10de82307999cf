// How long the Management page's "get all parameters" and "update
// configuration" take against the simulated detector on a pseudo-terminal,
// beside the raw write/read of the bytes "update configuration" moves. The
// goal is no perceptible pause (well under 100 ms). Median of several runs.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>
#include <vector>

#include "ConsoleMemo.h"
#include "FrmTestTKVU.h"
#include "BenchSupport.h"
#include "BenchWindow.h"

namespace {
constexpr int kRuns = 15;
}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  bench::SimulatedCom com(9);
  if (!com.ok()) return 1;

  QApplication application(argc, argv);
  TFrmTestTKV form;
  if (!bench::ShowAndConnect(form, 9)) return 1;
  form.ShowEngineeringPages(true);

  // The bytes "update configuration" writes, once out and once back, without the window.
  std::vector<uint8_t> image(form.Device->HeldImage(), form.Device->HeldImage() + 512);
  const double rawMs = bench::MedianMs(kRuns, [&] { form.Device->WriteEepromAreas(image.data(), 0, 0, 1); });
  std::printf("write and read back bytes 276..511 (TKV): %8.2f ms\n", rawMs);

  // Each button's console lines and controls are shown before the clock stops.
  const double getAllMs = bench::MedianMs(kRuns, [&] {
    form.btnGetAllClick(form.btnGetAll);
    form.memLog->Flush();
    QCoreApplication::processEvents();
  });
  std::printf("get all parameters:                       %8.2f ms  (%lld console lines)\n",
              getAllMs, static_cast<long long>(form.memLog->Lines().size()));
  const double updateMs = bench::MedianMs(kRuns, [&] {
    form.btnUpdateCfgClick(form.btnUpdateCfg);
    form.memLog->Flush();
    QCoreApplication::processEvents();
  });
  std::printf("update configuration:                     %8.2f ms  (%.2f x the write)\n",
              updateMs, updateMs / rawMs);

  return 0;
}
