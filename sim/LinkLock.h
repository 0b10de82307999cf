#pragma once
#include <string>

namespace sim {

// Which simulator serves a link: an exclusive flock on "<link>.lock" next to
// it, the holder's pid written inside for the message of the one refused. The
// system drops the lock when its process ends, however it ends, so the lock
// of a simulator that died is free for the next one at once, and no pid has
// to be guessed alive or dead.
class LinkLock {
 public:
  LinkLock() = default;
  ~LinkLock() { Release(); }
  LinkLock(LinkLock&& other) noexcept;
  LinkLock& operator=(LinkLock&& other) noexcept;
  LinkLock(const LinkLock&) = delete;
  LinkLock& operator=(const LinkLock&) = delete;

  // Takes the lock of the link at `linkPath`. False when another live
  // simulator holds it ("COM7 is in use by another simulator (pid 4242)") or
  // the lock file cannot be made.
  bool Take(const std::string& linkPath, std::string* error);
  // Removes the lock file and frees the lock.
  void Release();

 private:
  std::string path_;
  int fd_ = -1;
};

}  // namespace sim
