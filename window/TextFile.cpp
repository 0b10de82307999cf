#include "TextFile.h"

#include <QSaveFile>

#include "Errors.h"

void WriteReportFile(const QString& path, const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) {
    bytes += line.toLatin1();
    bytes += "\r\n";
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    throw FileWriteError(
        QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()).toStdString());
}
