#include "FlowGraphScale.h"

#include <algorithm>
#include <cmath>

int FlowGraphScale(int value, int lo, int hi, int height) {
  // In real numbers: the span of a scale over the whole integer range does not fit an int.
  const double span = static_cast<double>(hi) - lo;
  int row = height;
  if (span > 0) {
    const double d = std::min(std::max(static_cast<double>(value) - lo, 1.0), span - 1);
    row = height - static_cast<int>(std::trunc(d / span * height));
  }
  return std::max(1, std::min(row, height - 1));
}
