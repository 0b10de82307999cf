#include "E2pFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include "TextFile.h"

namespace {
// An image file is a few kilobytes; a file of more than a megabyte is not one.
constexpr qint64 kMaxFileSize = 1024 * 1024;

GridRow RowOf(const QString& line) {
  const int sign = line.indexOf(QLatin1Char('='));
  if (sign < 0) return {line, QString()};
  return {line.left(sign), line.mid(sign + 1)};
}
}  // namespace

void SaveE2pFile(const QString& path, const GridRows& rows) {
  QStringList lines;
  lines.reserve(rows.size());
  for (const GridRow& row : rows) lines << row.key + QLatin1Char('=') + row.value;
  WriteReportFile(path, lines);
}

E2pFileContents LoadE2pFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {{}, QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString())};
  const QByteArray bytes = file.read(kMaxFileSize + 1);
  if (file.error() != QFileDevice::NoError)
    return {{}, QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString())};
  if (bytes.size() > kMaxFileSize)
    return {{}, QStringLiteral("File \"%1\" is larger than 1 MiB: it is not an EEPROM file.").arg(path)};
  if (bytes.contains('\0'))
    return {{}, QStringLiteral("File \"%1\" is not a text file: it is not an EEPROM file.").arg(path)};

  static const QRegularExpression kBreak(QStringLiteral("\r\n|\n|\r"));
  QStringList lines = QString::fromLatin1(bytes).split(kBreak);
  // A break after the last line ends it; it does not start another.
  if (!lines.isEmpty() && lines.constLast().isEmpty()) lines.removeLast();
  E2pFileContents contents;
  contents.rows.reserve(lines.size());
  for (const QString& line : lines) contents.rows.append(RowOf(line));
  return contents;
}
