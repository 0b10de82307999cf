#include "WholeFile.h"

#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "Errors.h"

namespace {

// The system's own words for what went wrong: the error number the failing
// call left names the cause where the file's text does not (a short write on
// a full disk sets no file error, a read-only file system is told as "not
// writable"); without one, the file's text.
QString FailureCause(const QFileDevice& file, int error) {
  return error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : file.errorString();
}

}  // namespace

void WriteWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write) {
  QSaveFile file(path);
  // errno is cleared before each step, so that after a failed one it holds
  // that step's cause and not what an earlier step's probes left behind.
  errno = 0;
  if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    errno = 0;
    if (write(file)) {
      errno = 0;
      if (file.commit()) return;
    }
  }
  const int error = errno;
  throw FileWriteError(QStringLiteral("Cannot create file \"%1\". %2")
                           .arg(path, FailureCause(file, error))
                           .toStdString());
}
