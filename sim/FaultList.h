#pragma once
#include <mutex>
#include <optional>
#include <vector>

#include "Fault.h"

namespace sim {

// Faults waiting for their requests. Thread-safe.
class FaultList {
 public:
  void Add(const Fault& fault);
  void Clear();
  // The first fault that matches the code, used up by one request.
  std::optional<Fault> Take(int code);

 private:
  std::mutex mutex_;
  std::vector<Fault> faults_;
};

}  // namespace sim
