#include "PortLinks.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <utility>

namespace sim {
namespace {

bool Failed(std::string* error, const std::string& what) {
  if (error) *error = what + ": " + std::strerror(errno);
  return false;
}

std::string LinkTarget(const std::string& path) {
  char buffer[PATH_MAX];
  ssize_t n = readlink(path.c_str(), buffer, sizeof buffer);
  return n < 0 ? std::string() : std::string(buffer, static_cast<size_t>(n));
}

}  // namespace

bool PortLinks::Place(const std::string& path, std::string* error) const {
  struct stat st {};
  if (lstat(path.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) {
    errno = EEXIST;
    return Failed(error, path);
  }
  std::string temporary = path + ".new" + std::to_string(getpid());
  unlink(temporary.c_str());
  if (symlink(target_.c_str(), temporary.c_str()) != 0) return Failed(error, temporary);
  if (rename(temporary.c_str(), path.c_str()) != 0) {
    unlink(temporary.c_str());
    return Failed(error, path);
  }
  return true;
}

bool PortLinks::Add(const std::string& path, const std::string& target, std::string* error) {
  const bool held = std::any_of(held_.begin(), held_.end(),
                                [&path](const Held& link) { return link.path == path; });
  LinkLock lock;
  if (!held && !lock.Take(path, error)) return false;
  target_ = target;
  if (!Place(path, error)) return false;
  if (!held) held_.push_back({path, std::move(lock)});
  return true;
}

void PortLinks::Retarget(const std::string& target) {
  std::string old = target_;
  target_ = target;
  for (const Held& link : held_)
    if (LinkTarget(link.path) == old) Place(link.path, nullptr);
}

void PortLinks::RemoveAll() {
  // Each link goes before its lock, so that the next holder's link is never removed.
  for (const Held& link : held_)
    if (LinkTarget(link.path) == target_) unlink(link.path.c_str());
  held_.clear();
}

bool MakePrivateDirectories(const std::string& path, std::string* error) {
  for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    std::string part = path.substr(0, slash);
    if (!part.empty() && mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
      return Failed(error, part);
    if (slash == std::string::npos) return true;
  }
}

}  // namespace sim
