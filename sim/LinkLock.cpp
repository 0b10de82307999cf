#include "LinkLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace sim {
namespace {

bool Failed(std::string* error, const std::string& what) {
  if (error) *error = what + ": " + std::strerror(errno);
  return false;
}

// The pid the holder wrote, or nothing in the moment between its lock and its write.
std::string HolderPid(int fd) {
  char buffer[32] = {};
  const ssize_t n = pread(fd, buffer, sizeof buffer - 1, 0);
  const std::string text(buffer, n > 0 ? static_cast<size_t>(n) : 0);
  return text.substr(0, text.find_first_not_of("0123456789"));
}

std::string InUse(const std::string& linkPath, const std::string& pid) {
  const std::string name = linkPath.substr(linkPath.find_last_of('/') + 1);
  return name + " is in use by another simulator" + (pid.empty() ? "" : " (pid " + pid + ")");
}

// Still the file at `path`: a holder that ended removes its file, and whoever
// opened that file before locks a file nobody else will ever see.
bool IsNamedBy(int fd, const std::string& path) {
  struct stat held {}, named {};
  return fstat(fd, &held) == 0 && stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
         held.st_ino == named.st_ino;
}

}  // namespace

LinkLock::LinkLock(LinkLock&& other) noexcept
    : path_(std::move(other.path_)), fd_(std::exchange(other.fd_, -1)) {}

LinkLock& LinkLock::operator=(LinkLock&& other) noexcept {
  if (this != &other) {
    Release();
    path_ = std::move(other.path_);
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

bool LinkLock::Take(const std::string& linkPath, std::string* error) {
  Release();
  const std::string path = linkPath + ".lock";
  for (;;) {
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return Failed(error, path);
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int why = errno;
      const std::string pid = HolderPid(fd);
      close(fd);
      if (why == EWOULDBLOCK) {
        if (error) *error = InUse(linkPath, pid);
        return false;
      }
      errno = why;
      return Failed(error, path);
    }
    if (IsNamedBy(fd, path)) {
      const std::string pid = std::to_string(getpid()) + "\n";
      if (ftruncate(fd, 0) != 0 || pwrite(fd, pid.data(), pid.size(), 0) != static_cast<ssize_t>(pid.size())) {
        Failed(error, path);
        close(fd);
        return false;
      }
      path_ = path;
      fd_ = fd;
      return true;
    }
    close(fd);
  }
}

void LinkLock::Release() {
  if (fd_ < 0) return;
  // Removed while still held, so that nobody locks a file that is going away.
  unlink(path_.c_str());
  close(fd_);
  fd_ = -1;
}

}  // namespace sim
