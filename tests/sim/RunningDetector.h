#pragma once
// A started simulated detector with the tool's end of its line open.
#include <memory>
#include <stdexcept>

#include "SimulatedDetector.h"
#include "SlaveLine.h"

namespace simtest {

struct RunningDetector {
  explicit RunningDetector(sim::DetectorOptions options = {}) : detector(options) {
    std::string error;
    if (!detector.Start(&error)) throw std::runtime_error(error);
    line = std::make_unique<SlaveLine>(detector.SlavePath());
  }
  sim::SimulatedDetector detector;
  std::unique_ptr<SlaveLine> line;
};

// (seed + bytes first..last) mod 256, as the areas are checked.
inline uint8_t AreaSum(const Bytes& bytes, size_t first, size_t last, int seed) {
  unsigned sum = static_cast<unsigned>(seed);
  for (size_t i = first; i <= last; ++i) sum += bytes[i];
  return static_cast<uint8_t>(sum);
}

// The data bytes of an acknowledged answer whose checksum holds; empty otherwise.
inline Bytes AnswerData(const Bytes& answer) {
  if (answer.size() < 3 || answer[0] != 1) return {};
  Bytes data(answer.begin() + 1, answer.end() - 1);
  return AreaSum(data, 0, data.size() - 1, 8) == answer.back() ? data : Bytes{};
}

// EEPROM bytes as command 3 reads them; empty when refused.
inline Bytes ReadEeprom(RunningDetector& d, int address, int count) {
  return AnswerData(
      d.line->Exchange(ReadMemoryRequest(address, count), static_cast<size_t>(count) + 2));
}

// The 74 data bytes of the state answer (command 30).
inline Bytes ReadState(RunningDetector& d) {
  return AnswerData(d.line->Exchange(RequestFrame(30), 76));
}

}  // namespace simtest
