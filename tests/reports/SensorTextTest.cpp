#include "SensorTexts.h"

#include <gtest/gtest.h>

#include "QStringPrinter.h"

namespace {
constexpr int kStandAlone = 1, kLoopBased = 2, kZandt = 3, kQuib = 4, kRefused = -1;

TEST(SensorStatusText, StandAloneStatuses) {
  const std::pair<int, const char*> cases[] = {
      {0, "undefined"},
      {1, "normal"},
      {2, "error 1 [addresses switched]"},
      {3, "error 2 [address doubled]"},
      {4, "error 3 [remote not detected]"},
      {5, "error 4 [low chamber]"},
      {6, "error 5 [pw out of spec.]"},
      {7, "initializing"},
      {8, "warning 1 [chamber dirty 0.3%/f]"},
      {9, "warning 2 [chamber dirty 0.6%/f]"},
      {10, "warning 3 [chamber dirty (max)]"},
      {11, "smoke level 1"},
      {14, "smoke level 4"},
      {15, "smoke level 5"},
      {19, "smoke level 9"},
      {20, "remote test passed"},
      {21, "error 4/6 [low chamber or remote test failed]"},
      {22, "error 14 [no answer/pw out of spec.]"},
      {23, ""},
      {255, ""},
  };
  for (const auto& [value, text] : cases) {
    SCOPED_TRACE(value);
    EXPECT_EQ(SensorStatusTextFor(kStandAlone, value), QString::fromLatin1(text));
  }
}

TEST(SensorStatusText, OtherVariantsOnlySayWhetherTheOutputIsActive) {
  for (int variant : {kLoopBased, kZandt, kQuib, kRefused}) {
    SCOPED_TRACE(variant);
    EXPECT_EQ(SensorStatusTextFor(variant, 0), "not active");
    EXPECT_EQ(SensorStatusTextFor(variant, 1), "active");
    EXPECT_EQ(SensorStatusTextFor(variant, 15), "active");
  }
}
}  // namespace
