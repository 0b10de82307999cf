#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString StartFolder(const QString& programFolder) {
  const QFileInfo folder(programFolder);
  return folder.isDir() && folder.isWritable() ? programFolder : QDir::currentPath();
}

QString DialogStartFolder() { return StartFolder(QCoreApplication::applicationDirPath()); }
