#pragma once
#include <array>
#include <cstdint>

// The statistics of the continuous ultrasonic measurement: a ring whose first
// N entries (the window, 1..kRingSize) hold the latest flow-timer counters,
// with the smallest and largest counter since the last clear.
struct UltraStats {
  static constexpr int kRingSize = 1000;

  std::array<uint16_t, kRingSize> ring{};
  int position = 0;
  uint16_t minimum = 0;
  uint16_t maximum = 0;
  int count = 0;             // measurements since GO! or the memo's CLEAR
  bool firstSample = false;  // the next counter fills the whole window
  int window = 1;            // N of the last counter added

  // Ring, minimum, maximum and position back to zero.
  void Clear();
  // One measurement with a window of 1..kRingSize entries.
  void Add(uint16_t counter, int window);
  // The unsigned mean of the window's entries.
  uint16_t Mean() const;
};
