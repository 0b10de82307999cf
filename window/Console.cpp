// The console helpers every page uses, and the one way a TKV failure is told.
#include <cstring>

#include "ConsoleMemo.h"
#include "FrmTestTKVU.h"

void TFrmTestTKV::LogLine(const QString& text) { memLog->AddLines(text); }

void TFrmTestTKV::StateLine(const QString& text) { memState->AddLines(text); }

void TFrmTestTKV::StateFlagLine(const QString& text, int code) {
  if (Device->GetStateFlag(code) != 0) StateLine(text);
}

void TFrmTestTKV::ClearConsole() { memLog->ClearLines(); }

void TFrmTestTKV::ClearStatePanel() { memState->ClearLines(); }

namespace {
QString LastErrorLine(const TKV& device) {
  const int32_t code = device.GetLastResult();
  if (code != ResultWindowsError)
    return QStringLiteral(">>TKV Error [%1] %2").arg(code).arg(QString::fromLatin1(ResultText(code)));
  QString line = QStringLiteral(">>WIN Error [%1]").arg(device.GetWindowsError());
  // The text is a fixed field of 128 characters, not necessarily terminated.
  char text[129] = {};
  if (device.GetErrorText(text)) line += ": " + QString::fromLocal8Bit(text, static_cast<int>(strnlen(text, 128)));
  return line;
}
}  // namespace

void TFrmTestTKV::ReportLastError() {
  if (!Device) return;
  LogLine(LastErrorLine(*Device));
  ShowLinkStatus();  // a detector that went away shows at once, even inside a long run
}

bool TFrmTestTKV::RequireConnection() {
  if (Device && Device->IsConnected()) return true;
  LogLine(QStringLiteral(">>Not connected!"));
  return false;
}

bool TFrmTestTKV::RunDeviceAction(const std::function<int(TKV&)>& operation,
                                  const QString& successLine) {
  if (!RequireConnection()) return false;
  if (!operation(*Device)) {
    ReportLastError();
    return false;
  }
  LogLine(successLine);
  return true;
}
