// SAVE LOG: the test log with the operator's comments, as a text file. The
// comments block is added to the log itself, so each save adds one more.
#include "EolLogFile.h"

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <optional>

#include "ConsoleMemo.h"
#include "Convert.h"
#include "Format.h"
#include "FrmTestTKVU.h"
#include "ProgramFolder.h"

QString EolLogFileName(const QString (&serialBoxes)[4], const QDateTime& time) {
  QStringList serial;
  for (const QString& box : serialBoxes) {
    const std::optional<int> value = TryStrToInt(box);
    serial << (value ? QString::number(*value & 0xFF) : QStringLiteral("x"));
  }
  return QStringLiteral("EOL_%1_%2.txt").arg(serial.join(QLatin1Char('-')), ReportFileStamp(time));
}

void TFrmTestTKV::Button38Click(QObject*) {
  const QString serial[4] = {edtSer1->text(), edtSer2->text(), edtSer3->text(), edtSer4->text()};
  // The proposed name rides on the folder: the dialog opens there with it selected.
  const QString proposed = QDir(DialogStartFolder()).filePath(EolLogFileName(serial));
  const std::optional<QString> file = dialogs().SaveFileName(
      {QStringLiteral("Save EOL LOG file"), QStringLiteral("EOL LOG files (*.txt)"),
       QStringLiteral("txt"), proposed});
  if (!file) return;
  for (const QString& line : {QString(), QStringLiteral("Commenti:"), QString()}) EolPrint(line);
  EolPrint(memEOLcomm->toPlainText());
  // Written whole through a temporary file, or not at all.
  memEOL->SaveToFile(*file);
  LogLine(QStringLiteral(">>File saved!"));
}
