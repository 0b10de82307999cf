#pragma once
#include <cstdint>
#include <string>

#include "DetectorOptions.h"

namespace sim {

// What differs between the four kinds of detector, as data.
struct VariantTraits {
  Variant variant;
  const char* name;      // as given on the command line
  uint8_t deviceId;      // factory byte 258
  uint8_t loopAddress;   // 0 where the detector sits on no loop
  uint8_t sensorOutput;  // state bytes 73/74 of a healthy channel
  uint8_t sensorInLog;   // sensor status recorded in a healthy log entry
};

const VariantTraits& TraitsOf(Variant variant);

// nullptr for a name that is no variant.
const VariantTraits* FindVariant(const std::string& name);

}  // namespace sim
