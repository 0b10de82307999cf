#pragma once
// What the window benchmarks share: the median of a piece of work, and a
// simulated detector answering as a COM number in a private port directory.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "SimulatedDetector.h"

namespace bench {

inline double MedianMs(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// Started on construction; ok() is false (with the reason on stderr) when it could not be.
class SimulatedCom {
 public:
  explicit SimulatedCom(unsigned number) {
    char dir[] = "/tmp/vorenxr-bench-XXXXXX";
    if (!mkdtemp(dir)) return;
    dir_ = dir;
    setenv("VORENXR_PORTS_DIR", dir, 1);
    std::string error;
    ok_ = detector_.Start(&error) && detector_.RegisterCom(number, &error);
    if (!ok_) std::fprintf(stderr, "simulated detector: %s\n", error.c_str());
  }
  ~SimulatedCom() {
    detector_.Stop();
    if (!dir_.empty()) std::filesystem::remove_all(dir_);
  }
  SimulatedCom(const SimulatedCom&) = delete;
  SimulatedCom& operator=(const SimulatedCom&) = delete;
  bool ok() const { return ok_; }

 private:
  std::string dir_;
  sim::SimulatedDetector detector_;
  bool ok_ = false;
};

}  // namespace bench
