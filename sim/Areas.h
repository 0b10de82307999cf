#pragma once
#include <cstdint>

#include "MemoryMap.h"

namespace sim {

// Area checksums over a block that starts at the area's base (the EEPROM for
// the image areas, the 64-byte header for the log header).
uint8_t AreaChecksum(const uint8_t* block, const memory::Area& area);
bool AreaHolds(const uint8_t* block, const memory::Area& area);
void SealArea(uint8_t* block, const memory::Area& area);

}  // namespace sim
