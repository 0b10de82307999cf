// How long the Management page's "get all parameters" and "update
// configuration" take against the simulated detector on a pseudo-terminal,
// beside the raw write/read of the bytes "update configuration" moves. The
// goal is no perceptible pause (well under 100 ms). Median of several runs.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

#include "ConsoleMemo.h"
#include "FrmTestTKVU.h"
#include "SimulatedDetector.h"

namespace {
constexpr int kRuns = 15;

double MedianMs(const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    QCoreApplication::processEvents();
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}
}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  char dir[] = "/tmp/vorenxr-bench-XXXXXX";
  if (!mkdtemp(dir)) return 1;
  setenv("VORENXR_PORTS_DIR", dir, 1);
  sim::SimulatedDetector detector;
  std::string error;
  if (!detector.Start(&error) || !detector.RegisterCom(9, &error)) {
    std::fprintf(stderr, "simulated detector: %s\n", error.c_str());
    return 1;
  }

  QApplication application(argc, argv);
  TFrmTestTKV form;
  form.show();
  form.ShowEngineeringPages(true);
  form.Edit1->setText(QStringLiteral("9"));
  form.Button1Click(form.Button1);
  if (!form.Device) return 1;

  // The bytes "update configuration" writes, once out and once back, without the window.
  std::vector<uint8_t> image(form.Device->HeldImage(), form.Device->HeldImage() + 512);
  const double rawMs = MedianMs([&] { form.Device->WriteEepromAreas(image.data(), 0, 0, 1); });
  std::printf("write and read back bytes 276..511 (TKV): %8.2f ms\n", rawMs);

  // Each button's console lines are shown before the clock stops.
  const double getAllMs = MedianMs([&] {
    form.btnGetAllClick(form.btnGetAll);
    form.memLog->Flush();
  });
  std::printf("get all parameters:                       %8.2f ms  (%lld console lines)\n",
              getAllMs, static_cast<long long>(form.memLog->Lines().size()));
  const double updateMs = MedianMs([&] {
    form.btnUpdateCfgClick(form.btnUpdateCfg);
    form.memLog->Flush();
  });
  std::printf("update configuration:                     %8.2f ms  (%.2f x the write)\n",
              updateMs, updateMs / rawMs);

  detector.Stop();
  std::filesystem::remove_all(dir);
  return 0;
}
