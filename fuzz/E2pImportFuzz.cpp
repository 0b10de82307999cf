// The ".e2p" import: any file is read as it comes off the disk, refused or
// turned into grid rows whose values the page converts; a file the tool
// exports from those rows loads back as the same rows.
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

#include "Convert.h"
#include "E2pFile.h"
#include "Require.h"

namespace {

// The fuzzer's scratch folder ($TMPDIR) holds the files for as long as it runs.
const QTemporaryDir& Scratch() {
  static const QTemporaryDir dir;
  Require(dir.isValid(), "a scratch folder");
  return dir;
}

void WriteFile(const QString& path, const uint8_t* bytes, size_t size) {
  QFile file(path);
  Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the input file opens");
  Require(file.write(reinterpret_cast<const char*>(bytes), static_cast<qint64>(size)) ==
              static_cast<qint64>(size),
          "the input file is written");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t size) {
  // An image file is a few kilobytes. Far below the 1 MiB limit, even the export
  // of a file of bare line breaks (three bytes a row) loads back.
  if (size > 64 * 1024) return 0;
  const QString imported = Scratch().filePath(QStringLiteral("imported.e2p"));
  const QString exported = Scratch().filePath(QStringLiteral("exported.e2p"));
  WriteFile(imported, input, size);

  const E2pFileContents contents = LoadE2pFile(imported);
  const bool text = !QByteArray::fromRawData(reinterpret_cast<const char*>(input),
                                             static_cast<qsizetype>(size))
                         .contains('\0');
  Require(contents.error.isEmpty() == text, "only a file with a NUL byte is refused");
  if (!text) return 0;
  for (const GridRow& row : contents.rows) TryStrToInt(row.value);

  SaveE2pFile(exported, contents.rows);
  const E2pFileContents again = LoadE2pFile(exported);
  Require(again.error.isEmpty() && again.rows == contents.rows, "an export loads back as it was");
  return 0;
}
