#include "Areas.h"

#include "Frame.h"

namespace sim {

// The frame checksum starts from 8; an area's starts from its own seed.
uint8_t AreaChecksum(const uint8_t* block, const memory::Area& area) {
  const uint8_t* first = block + area.start;
  int covered = area.position - area.start;  // the checksum is the area's last byte
  return static_cast<uint8_t>(frame::Checksum(first, static_cast<size_t>(covered)) - 8 + area.seed);
}

bool AreaHolds(const uint8_t* block, const memory::Area& area) {
  return block[area.position] == AreaChecksum(block, area);
}

void SealArea(uint8_t* block, const memory::Area& area) {
  block[area.position] = AreaChecksum(block, area);
}

}  // namespace sim
