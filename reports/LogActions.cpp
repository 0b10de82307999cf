// The LOGS box of the Management page: read, export and clear the event log.
#include <QPushButton>

#include "FrmTestTKVU.h"
#include "ProgramFolder.h"

void TFrmTestTKV::btnReadLogsClick(QObject* Sender) {
  if (!RequireConnection()) return;
  auto* button = qobject_cast<QPushButton*>(Sender);
  if (button) button->setEnabled(false);
  const bool read = Device->ReadLog() == 1;
  if (button) button->setEnabled(true);
  if (!read) {
    ReportLastError();
    return;
  }
  LastActionOk = 1;
  btnShowLogClick(Sender == btnReadAllLogs ? btnReadAllLogs : nullptr);
}

// Lists the log read last, without asking the device again, and saves the console.
void TFrmTestTKV::btnExportLogClick(QObject* Sender) {
  const std::optional<QString> file = dialogs().SaveFileName(
      {QStringLiteral("Export Logs"), QStringLiteral("TXT files (*.TXT)"), QStringLiteral("TXT"),
       DialogStartFolder()});
  if (!file) return;
  LogExportFileName = *file;
  btnShowLogClick(Sender);
}

void TFrmTestTKV::btnClearLogClick(QObject*) {
  if (!RequireConnection()) return;
  if (!dialogs().AskYesNo(QStringLiteral("Clear logs?"), DefaultAnswer::No)) return;
  btnClearLog->setEnabled(false);
  const bool cleared = Device->ClearLog() == 1;
  btnClearLog->setEnabled(true);
  if (cleared)
    LogLine(QStringLiteral(">>Device log cleared"));
  else
    ReportLastError();
}
