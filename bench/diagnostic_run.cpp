// What a plain diagnostic run costs beyond the waits it prescribes itself:
// the wall time of a whole run against the simulated detector, in real time,
// beside the sum of the sleeps and pumped waits the run asked for. The goal
// is an overhead under 2 %. The report lands in a temporary folder.
//
//   bench_diagnostic_run [runs]     (3 unless given; each takes about 31 s)
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "BenchSupport.h"
#include "BenchWindow.h"
#include "ConsoleMemo.h"
#include "Dialogs.h"
#include "FrmTestTKVU.h"

namespace {
// Nobody is there to close the closing message box.
class QuietDialogs : public Dialogs {
 public:
  void Message(MessageKind, const QString&) override {}
  bool AskYesNo(const QString&, DefaultAnswer) override { return false; }
  std::optional<QString> SaveFileName(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<QString> OpenFileName(const FileDialogRequest&) override { return std::nullopt; }
};
}  // namespace

int main(int argc, char* argv[]) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  bench::SimulatedCom com(9);
  if (!com.ok()) return 1;

  QApplication application(argc, argv);
  QTemporaryDir folder;
  QDir::setCurrent(folder.path());
  TFrmTestTKV form(std::make_unique<QuietDialogs>());
  if (!bench::ShowAndConnect(form, 9)) return 1;

  long long waitedMs = 0;
  form.pacing().SetWaitObserver([&](Pacing::Wait, int ms) { waitedMs += ms; });
  const double runMs = bench::MedianMs(runs, [&] {
    waitedMs = 0;
    form.btndiagClick(form.btndiag);
  });
  if (form.SavedReportFile.isEmpty()) {
    std::fprintf(stderr, "the run saved no report\n");
    return 1;
  }
  const double overhead = runMs - static_cast<double>(waitedMs);
  std::printf("plain diagnostic run (stand-alone): %9.1f ms  (%lld console lines)\n", runMs,
              static_cast<long long>(form.memLog->Lines().size()));
  std::printf("waits the run prescribes:           %9lld ms\n", waitedMs);
  std::printf("overhead:                           %9.1f ms  (%.2f %%)\n", overhead,
              100.0 * overhead / static_cast<double>(waitedMs));
  return 0;
}
