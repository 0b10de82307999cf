#pragma once
#include <array>
#include <cstdint>
#include <ctime>
#include <vector>

#include "DetectorOptions.h"
#include "LiveState.h"
#include "MemoryMap.h"

namespace sim {

using LogEntry = std::array<uint8_t, memory::kLogEntrySize>;

// Readings a log entry records along with its event.
struct Surroundings {
  Variant variant;
  int channels;
  uint8_t referenceFlow[2];
};

// A plausible history of a working detector: start-up, hourly trend records
// and now and then an alarm, a flow fault or a supply dip with its restoration.
std::vector<LogEntry> BuildLogHistory(int entries, const Surroundings& around);

// The entry the detector writes for an event happening now, with the readings
// of its live state.
LogEntry LiveLogEntry(uint8_t code, const std::tm& when, const LiveState& live, Variant variant);

}  // namespace sim
