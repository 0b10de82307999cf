#pragma once
// A file system of 64 KiB of the test's own: a tmpfs mounted in a private
// mount namespace, so that no other process sees it and it goes with the test.
// Mounting needs root; where it is not allowed, WhyNot() says why.
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

namespace testsupport {

// Called once at the start of main, while the process has one thread: the
// system lets no thread of several leave the mount namespace alone. Returns
// why the process stays in the shared one, or nothing.
inline QString EnterPrivateMountNamespace() {
  if (unshare(CLONE_NEWNS) != 0)
    return QStringLiteral("no mount namespace of its own: %1").arg(std::strerror(errno));
  // Mounts made from now on are not passed on to the namespace it came from.
  if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
    return QStringLiteral("mounts not private: %1").arg(std::strerror(errno));
  return {};
}

class SmallFileSystem {
 public:
  // `namespaceProblem`: what EnterPrivateMountNamespace returned; nothing is
  // mounted into a namespace other processes share.
  explicit SmallFileSystem(const QString& namespaceProblem) : whyNot_(namespaceProblem) {
    if (!whyNot_.isEmpty()) return;
    if (mount("tmpfs", Path(), "tmpfs", 0, "size=64k,mode=0755") != 0)
      whyNot_ = QStringLiteral("cannot mount a tmpfs: %1").arg(std::strerror(errno));
  }
  ~SmallFileSystem() {
    if (whyNot_.isEmpty()) umount2(Path(), MNT_DETACH);
  }
  SmallFileSystem(const SmallFileSystem&) = delete;
  SmallFileSystem& operator=(const SmallFileSystem&) = delete;

  const QString& WhyNot() const { return whyNot_; }
  QString path() const { return dir_.path(); }

  // Writes the file "filler" until not one byte more fits.
  bool Fill() const {
    const QByteArray filler = (dir_.path() + QStringLiteral("/filler")).toLocal8Bit();
    const int fd = open(filler.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const char bytes[4096] = {};
    for (const size_t size : {sizeof bytes, size_t{1}})
      while (write(fd, bytes, size) == static_cast<ssize_t>(size)) {
      }
    const bool full = errno == ENOSPC;
    close(fd);
    return full;
  }
  bool MakeReadOnly() const {
    return mount(nullptr, Path(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }

 private:
  const char* Path() const { return path_.constData(); }

  QTemporaryDir dir_;
  QByteArray path_ = dir_.path().toLocal8Bit();
  QString whyNot_;
};

}  // namespace testsupport
