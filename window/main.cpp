// vorenxr-diag: the diagnostic, engineering and factory-test tool of the
// VOREN XR aspirating smoke detector.
#include <QApplication>

#include "FrmTestTKVU.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // The application title captions every message box.
  QApplication::setApplicationName(QStringLiteral("VOREN XR DIAGNOSTIC v1.2"));
  std::unique_ptr<TFrmTestTKV> window;
  std::unique_ptr<Dialogs> startUpDialogs = MakeToolkitDialogs(nullptr);
  RunGuarded(*startUpDialogs, [&] { window = std::make_unique<TFrmTestTKV>(); });
  if (!window) return 1;
  window->show();
  return application.exec();
}
