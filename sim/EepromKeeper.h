#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace sim {

class DeviceModel;

// Keeps a detector's EEPROM and its file in step: the file is read, or made
// from the detector's own EEPROM, when the detector first starts, and written
// again whenever the EEPROM has changed. Without a path it does nothing.
class EepromKeeper {
 public:
  explicit EepromKeeper(std::string path) : path_(std::move(path)) {}

  // False, with the reason and the file left alone, when the file exists but
  // cannot be used or cannot be made. Only the first successful call reads.
  bool Open(DeviceModel& model, std::string* error);

  // Saves when the EEPROM differs from what was last saved. A failed save is
  // reported on standard error, once until a save succeeds again.
  void SaveChanges(const DeviceModel& model);

 private:
  std::string path_;
  bool open_ = false;
  bool failureReported_ = false;
  std::vector<uint8_t> saved_;
};

}  // namespace sim
