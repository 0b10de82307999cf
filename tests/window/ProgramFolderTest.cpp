// Where the file dialogs open: the program's folder while it takes files, the
// current folder once it does not (an installed program in /usr/bin).
#include "ProgramFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

TEST(StartFolder, ProgramFolderWhileItIsWritable) {
  QTemporaryDir program;
  EXPECT_EQ(StartFolder(program.path()), program.path());
}

TEST(StartFolder, CurrentFolderWhenTheProgramFolderIsGone) {
  QTemporaryDir parent;
  EXPECT_EQ(StartFolder(parent.filePath("gone")), QDir::currentPath());
}

TEST(StartFolder, CurrentFolderWhenTheProgramFolderIsReadOnly) {
  if (geteuid() == 0) GTEST_SKIP() << "root may write in a read-only folder";
  QTemporaryDir parent;
  const QString bin = parent.filePath("bin");
  ASSERT_TRUE(QDir().mkdir(bin));
  ASSERT_TRUE(QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                             QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
  EXPECT_EQ(StartFolder(bin), QDir::currentPath());
}
