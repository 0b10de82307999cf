// The last step of a diagnostic run and of a log retrieval: the console saved
// as a report file in the current folder.
#include <QDir>

#include "ConsoleMemo.h"
#include "Errors.h"
#include "Format.h"
#include "FrmTestTKVU.h"

bool TFrmTestTKV::SaveConsoleReport(const QString& prefix, const QString& savedText) {
  // Written whole or not at all: a failed save names no report and leaves the
  // console as it is. The bare name goes to the system as it is: a current
  // folder that has been removed fails the save, where its absolute path
  // would have been made up.
  const QString name = prefix + ReportFileStamp() + QStringLiteral(".LOG");
  try {
    memLog->SaveToFile(name);
  } catch (const FileWriteError& error) {
    dialogs().Message(MessageKind::Error, QString::fromLocal8Bit(error.what()));
    return false;
  }
  SavedReportFile = QDir::current().absoluteFilePath(name);
  dialogs().Message(MessageKind::Plain, savedText + QStringLiteral("\n\n") + name);
  return true;
}
