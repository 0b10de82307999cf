#include "EepromKeeper.h"

#include <iostream>

#include "DeviceModel.h"
#include "EepromFile.h"

namespace sim {

bool EepromKeeper::Open(DeviceModel& model, std::string* error) {
  if (path_.empty() || open_) return true;
  std::string problem;
  std::vector<uint8_t> stored;
  switch (ReadEepromFile(path_, stored, problem)) {
    case EepromFileRead::Loaded:
      model.LoadEeprom(stored);
      saved_ = std::move(stored);
      break;
    case EepromFileRead::Missing:
      if (!WriteEepromFile(path_, model.eeprom(), problem)) {
        if (error) *error = problem;
        return false;
      }
      saved_ = model.eeprom();
      break;
    case EepromFileRead::Refused:
      if (error) *error = problem;
      return false;
  }
  open_ = true;
  return true;
}

void EepromKeeper::SaveChanges(const DeviceModel& model) {
  if (!open_ || model.eeprom() == saved_) return;
  std::string problem;
  if (WriteEepromFile(path_, model.eeprom(), problem)) {
    saved_ = model.eeprom();
    failureReported_ = false;
  } else if (!failureReported_) {
    std::cerr << "simulated detector: " << problem << "\n";
    failureReported_ = true;
  }
}

}  // namespace sim
