#include "UltraStats.h"

#include <algorithm>
#include <numeric>

void UltraStats::Clear() {
  ring.fill(0);
  minimum = maximum = 0;
  position = 0;
}

void UltraStats::Add(uint16_t counter, int n) {
  window = n;
  ring[static_cast<size_t>(position)] = counter;
  ++count;
  if (firstSample) {
    std::fill(ring.begin(), ring.begin() + window, counter);
    minimum = maximum = counter;
    firstSample = false;
  }
  maximum = std::max(maximum, counter);
  minimum = std::min(minimum, counter);
  if (++position > window - 1) position = 0;
}

uint16_t UltraStats::Mean() const {
  const uint32_t sum = std::accumulate(ring.begin(), ring.begin() + window, uint32_t{0});
  return static_cast<uint16_t>(sum / static_cast<uint32_t>(window));
}
