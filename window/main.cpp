// vorenxr-diag: the diagnostic, engineering and factory-test tool of the
// VOREN XR aspirating smoke detector. With --diagnose or --retrieve-log it
// runs without the window (HeadlessRun.h).
#include <QApplication>

#include "FrmTestTKVU.h"
#include "HeadlessRun.h"

int main(int argc, char* argv[]) {
  const HeadlessOptions options = ParseHeadlessOptions(argc, argv);
  if (options.mode == HeadlessMode::Help || options.mode == HeadlessMode::Version ||
      options.mode == HeadlessMode::BadArguments)
    return TellHeadlessOptions(options);
  const bool headless = options.mode != HeadlessMode::Window;
  if (headless) PrepareHeadless();

  QApplication application(argc, argv);
  // The application title captions every message box.
  QApplication::setApplicationName(QStringLiteral("VOREN XR DIAGNOSTIC v1.2"));
  if (headless) return RunHeadless(options);

  std::unique_ptr<TFrmTestTKV> window;
  std::unique_ptr<Dialogs> startUpDialogs = MakeToolkitDialogs(nullptr);
  RunGuarded(*startUpDialogs, [&] { window = std::make_unique<TFrmTestTKV>(); });
  if (!window) return 1;
  window->show();
  return application.exec();
}
