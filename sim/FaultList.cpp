#include "FaultList.h"

namespace sim {

void FaultList::Add(const Fault& fault) {
  if (fault.count == 0) return;
  std::lock_guard<std::mutex> lock(mutex_);
  faults_.push_back(fault);
}

void FaultList::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  faults_.clear();
}

std::optional<Fault> FaultList::Take(int code) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (auto it = faults_.begin(); it != faults_.end(); ++it) {
    if (it->command != -1 && it->command != code) continue;
    Fault taken = *it;
    if (it->count > 0 && --it->count == 0) faults_.erase(it);
    return taken;
  }
  return std::nullopt;
}

}  // namespace sim
