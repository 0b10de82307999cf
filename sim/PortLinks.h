#pragma once
#include <string>
#include <vector>

namespace sim {

// Symbolic links that lead the tool to the detector's line. A link is only
// removed while it still leads to this detector, so a newer simulator that
// took over the name keeps it.
class PortLinks {
 public:
  ~PortLinks() { RemoveAll(); }

  // Creates or replaces the link atomically; a file that is no link is left alone.
  bool Add(const std::string& path, const std::string& target, std::string* error);
  // After the line was reopened under a new name.
  void Retarget(const std::string& target);
  void RemoveAll();

 private:
  bool Place(const std::string& path, std::string* error) const;

  std::string target_;
  std::vector<std::string> paths_;
};

// Creates the directory and its missing parents with mode 0700.
bool MakePrivateDirectories(const std::string& path, std::string* error);

}  // namespace sim
