// The 90-byte LED frame of command 12 and the texts of a sensor poll.
#include <gtest/gtest.h>

#include "LedFrame.h"
#include "QStringPrinter.h"
#include "SensorPollText.h"

namespace {

TEST(LedFrame, ColoursAsTheDetectorNumbersThemAndStylesAfterThem) {
  std::array<LedSetting, kLedCount> leds{};
  leds[0] = {1, LedStyle::Plain};         // green
  leds[1] = {2, LedStyle::Alternative};   // red
  leds[2] = {3, LedStyle::Plain};         // yellow
  leds[44] = {2, LedStyle::Plain};
  leds[43] = {-1, LedStyle::Alternative};  // no item: off
  const LedFrameBytes frame = BuildLedFrame(leds);
  LedFrameBytes expected{};
  expected[0] = 2;
  expected[1] = 1;
  expected[2] = 3;
  expected[44] = 1;
  expected[45 + 1] = 2;
  expected[45 + 43] = 2;
  EXPECT_EQ(frame, expected);
}

TEST(SensorPollText, PulseWidthsAroundTheTimeout) {
  EXPECT_EQ(PulseWidthText(0), "0");
  EXPECT_EQ(PulseWidthText(65499), "65499");
  EXPECT_EQ(PulseWidthText(65500), "TIMEOUT");
  EXPECT_EQ(PulseWidthText(65501), "SINK TOO LONG");
  EXPECT_EQ(PulseWidthText(65535), "SINK TOO LONG");
}

TEST(SensorPollText, WidthsLowByteFirstAndTheRemoteOfThePolledSensor) {
  const uint8_t answer[kSensorAnswerSize] = {0, 1, 0xDB, 0xFF, 0xDC, 0xFF, 0xDD, 0xFF,
                                             0x34, 0x12, 0xA0, 0x04, 1};
  const QStringList widths = {"PW1: 65499", "PW2: TIMEOUT", "PW3: SINK TOO LONG", "PW4: 4660",
                              "PW5: 1184", ""};
  EXPECT_EQ(SensorPollLines(answer, 1), widths + QStringList{"remote is NOT working"});
  EXPECT_EQ(SensorPollLines(answer, 2), widths + QStringList{"remote is working"});
}

}  // namespace
