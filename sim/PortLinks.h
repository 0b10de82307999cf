#pragma once
#include <string>
#include <vector>

#include "LinkLock.h"

namespace sim {

// Symbolic links that lead the tool to the detector's line. Each is held with
// its LinkLock, so one live simulator serves a name; a link left by one that
// died is replaced. A link is only removed while it still leads to this
// detector, so a link someone put in its place is kept.
class PortLinks {
 public:
  ~PortLinks() { RemoveAll(); }

  // Creates or replaces the link atomically; a file that is no link is left
  // alone, and a link another live simulator holds is refused.
  bool Add(const std::string& path, const std::string& target, std::string* error);
  // After the line was reopened under a new name.
  void Retarget(const std::string& target);
  void RemoveAll();

 private:
  bool Place(const std::string& path, std::string* error) const;

  struct Held {
    std::string path;
    LinkLock lock;
  };

  std::string target_;
  std::vector<Held> held_;
};

// Creates the directory and its missing parents with mode 0700.
bool MakePrivateDirectories(const std::string& path, std::string* error);

}  // namespace sim
