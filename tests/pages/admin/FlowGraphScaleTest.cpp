// The flow graph's value-to-row mapping on its own.
#include <gtest/gtest.h>

#include <climits>

#include "FlowGraphScale.h"

namespace {

TEST(FlowGraphScale, MapsValuesOntoRows) {
  struct Case {
    const char* what;
    int value, lo, hi, height, row;
  } cases[] = {
      {"lo on the large graph: the bottom row", 20500, 20500, 25000, 355, 354},
      {"far below lo", 0, 20500, 25000, 355, 354},
      {"hi: row 1", 25000, 20500, 25000, 355, 1},
      {"far above hi", 65535, 20500, 25000, 355, 1},
      {"one below hi", 24999, 20500, 25000, 355, 1},
      {"the middle, truncated", 22750, 20500, 25000, 355, 178},
      {"A of 21000", 21000, 20500, 25000, 355, 316},
      {"lo + 1 on the small graph", 20501, 20500, 25000, 117, 116},
      {"dA 300 of 0..600 on the small graph", 300, 0, 600, 117, 59},
      {"dR 100 of 50..400", 100, 50, 400, 355, 305},
      {"pulse 100 of 0..140", 100, 0, 140, 355, 102},
      {"a span of one", 5, 4, 5, 355, 354},
      {"no span", 5, 5, 5, 355, 354},
      {"limits reversed", 22000, 25000, 20500, 355, 354},
      {"the whole integer range", 0, INT_MIN, INT_MAX, 355, 178},
      {"a box one pixel high", 100, 0, 600, 1, 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FlowGraphScale(c.value, c.lo, c.hi, c.height), c.row) << c.what;
}

TEST(FlowGraphScale, LargerValuesAreNeverDrawnLower) {
  for (int height : {117, 355}) {
    int previous = height;
    for (int value = 20400; value <= 25100; ++value) {
      const int row = FlowGraphScale(value, 20500, 25000, height);
      ASSERT_LE(row, previous) << value;
      ASSERT_GE(row, 1) << value;
      ASSERT_LE(row, height - 1) << value;
      previous = row;
    }
  }
}

}  // namespace
