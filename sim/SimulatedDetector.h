#pragma once
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "DetectorOptions.h"
#include "DeviceModel.h"
#include "Fault.h"

namespace sim {

// A detector on a pseudo-terminal, answering the protocol byte for byte from
// its DeviceModel, with faults on demand. Every member is thread-safe.
class SimulatedDetector {
 public:
  explicit SimulatedDetector(DetectorOptions options = {});
  ~SimulatedDetector();  // Stop() and remove every link it made
  SimulatedDetector(const SimulatedDetector&) = delete;
  SimulatedDetector& operator=(const SimulatedDetector&) = delete;

  // Opens a new line and serves it; after a Stop or a dropped line the links
  // made so far are moved to the new line. The first Start reads the EEPROM
  // file of the options, or makes it, and fails when the file cannot be used.
  bool Start(std::string* error = nullptr);
  void Stop();                    // also saves the EEPROM file
  std::string SlavePath() const;  // e.g. /dev/pts/5

  // Symlink "COM<n>" -> slave in serial::ComPortDirectory(), made with mode 0700.
  bool RegisterCom(unsigned number, std::string* error = nullptr);
  bool AddLink(const std::string& path, std::string* error = nullptr);

  void InjectFault(const Fault& fault);
  void ClearFaults();

  // Runs f(DeviceModel&) under the model's lock; returns its result.
  template <class F>
  auto WithModel(F&& f) {
    std::lock_guard<std::mutex> lock(ModelMutex());
    return std::forward<F>(f)(Model());
  }

  // The last complete request frame (of that code), bytes as received.
  std::vector<uint8_t> LastRequest(int command = -1) const;
  uint64_t RequestCount() const;

  // Every complete request frame since Start or ClearRequestLog, bytes as
  // received, oldest first; the newest kRequestLogSize are kept.
  static constexpr size_t kRequestLogSize = 4096;
  std::vector<std::vector<uint8_t>> RequestLog() const;
  void ClearRequestLog();

 private:
  struct Impl;
  std::mutex& ModelMutex();
  DeviceModel& Model();

  std::unique_ptr<Impl> impl_;
};

}  // namespace sim
