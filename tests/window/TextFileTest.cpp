#include "TextFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Errors.h"

namespace {
QByteArray ReadAll(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return file.readAll();
}
}  // namespace

TEST(WriteReportFile, Latin1WithCrLfAfterEveryLineAndNoBom) {
  QTemporaryDir dir;
  const QString path = dir.filePath("report.LOG");
  WriteReportFile(path, {"first", " ", QString::fromUtf8("temp 25\u00b0C")});
  EXPECT_EQ(ReadAll(path), QByteArray("first\r\n \r\ntemp 25\xb0" "C\r\n"));
}

TEST(WriteReportFile, ReplacesAnExistingFileWhole) {
  QTemporaryDir dir;
  const QString path = dir.filePath("export.TXT");
  WriteReportFile(path, {"a much longer first version of the file", "second line"});
  WriteReportFile(path, {"short"});
  EXPECT_EQ(ReadAll(path), QByteArray("short\r\n"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"export.TXT"});
}

TEST(WriteReportFile, UnwritablePlaceThrowsAndLeavesNothing) {
  QTemporaryDir dir;
  const QString path = dir.filePath("missing-folder/export.TXT");
  EXPECT_THROW(WriteReportFile(path, {"line"}), FileWriteError);
  EXPECT_FALSE(QFile::exists(path));
}
