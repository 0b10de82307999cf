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

void TFrmTestTKV::ReportLastError() {
  if (!Device) return;
  const int32_t code = Device->GetLastResult();
  if (code != ResultWindowsError) {
    LogLine(QStringLiteral(">>TKV Error [%1] %2").arg(code).arg(QString::fromLatin1(ResultText(code))));
    return;
  }
  QString line = QStringLiteral(">>WIN Error [%1]").arg(Device->GetWindowsError());
  // The text is a fixed field of 128 characters, not necessarily terminated.
  char text[129] = {};
  if (Device->GetErrorText(text)) line += ": " + QString::fromLocal8Bit(text, static_cast<int>(strnlen(text, 128)));
  LogLine(line);
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
