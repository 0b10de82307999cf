// How fast the EEPROM page shows a read: the 512 rows of vleE2P replaced and
// the grid repainted, as after every read, restore, clear and import (goal:
// under 5 ms). Runs on the offscreen platform unless another is chosen.
#include <QApplication>
#include <QTabWidget>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>

#include "EepromGrid.h"
#include "FrmTestTKVU.h"

namespace {
constexpr int kRounds = 200;
constexpr int kImageSize = 512;
constexpr int kEepromPage = 1;
}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  TFrmTestTKV form;
  form.show();
  form.ShowEngineeringPages(true);
  form.PageControl1->setCurrentIndex(kEepromPage);
  QCoreApplication::processEvents();

  std::array<uint8_t, kImageSize> image{};
  double total = 0, worst = 0;
  for (int round = 0; round < kRounds; ++round) {
    for (int i = 0; i < kImageSize; ++i) image[i] = static_cast<uint8_t>(i + round);
    const auto start = std::chrono::steady_clock::now();
    form.vleE2P->Fill(0, image.data(), kImageSize);
    form.vleE2P->viewport()->repaint();
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    total += ms;
    worst = std::max(worst, ms);
  }
  std::printf("vleE2P, %d rows refilled and repainted:  %8.3f ms mean, %8.3f ms worst (%d rounds)\n",
              kImageSize, total / kRounds, worst, kRounds);
  return 0;
}
