#include "TextFile.h"

#include <QIODevice>

#include "WholeFile.h"

void WriteReportFile(const QString& path, const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) {
    bytes += line.toLatin1();
    bytes += "\r\n";
  }
  WriteWholeFile(path, [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); });
}
