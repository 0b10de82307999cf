#pragma once
// A simulated detector on a real pseudo-terminal, reachable as a COM number
// through a private port directory, for tests that connect the real TKV to it.
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "SimulatedDetector.h"

namespace testsupport {

class TempPortsDir {
 public:
  TempPortsDir() {
    char pattern[] = "/tmp/vorenxr-test-XXXXXX";
    if (!mkdtemp(pattern)) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    setenv("VORENXR_PORTS_DIR", path_.c_str(), 1);
  }
  ~TempPortsDir() {
    unsetenv("VORENXR_PORTS_DIR");
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempPortsDir(const TempPortsDir&) = delete;
  TempPortsDir& operator=(const TempPortsDir&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The detector answers on COM<number> for as long as this object lives.
class SimulatedPort {
 public:
  explicit SimulatedPort(sim::DetectorOptions options = {}, unsigned number = 5)
      : number_(number), detector_(options) {
    std::string error;
    if (!detector_.Start(&error) || !detector_.RegisterCom(number, &error))
      throw std::runtime_error("simulated detector: " + error);
  }
  unsigned number() const { return number_; }
  sim::SimulatedDetector& detector() { return detector_; }
  const std::string& portsDir() const { return dir_.path(); }

 private:
  TempPortsDir dir_;  // before the detector, so its link is made in it
  unsigned number_;
  sim::SimulatedDetector detector_;
};

}  // namespace testsupport
