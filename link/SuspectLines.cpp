#include "SuspectLines.h"

#include <mutex>
#include <set>

namespace suspectlines {
namespace {

std::mutex& Lock() {
  static std::mutex mutex;
  return mutex;
}

std::set<std::string>& Paths() {
  static std::set<std::string> paths;
  return paths;
}

}  // namespace

void Remember(const std::string& path, bool suspect) {
  std::lock_guard<std::mutex> lock(Lock());
  if (suspect)
    Paths().insert(path);
  else
    Paths().erase(path);
}

bool IsSuspect(const std::string& path) {
  std::lock_guard<std::mutex> lock(Lock());
  return Paths().count(path) > 0;
}

}  // namespace suspectlines
