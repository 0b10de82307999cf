#pragma once
#include <cstdint>
#include <vector>

#include "DetectorOptions.h"

namespace sim {

// The first 512 EEPROM bytes of a detector as it leaves the factory:
// loop-based data, factory data and a working configuration, checksums sealed.
std::vector<uint8_t> BuildFactoryImage(Variant variant, int channels);

}  // namespace sim
