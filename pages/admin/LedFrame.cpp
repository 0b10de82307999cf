#include "LedFrame.h"

namespace {
// By selector item: off, green, red, yellow.
constexpr uint8_t kColourCodes[] = {0, 2, 1, 3};
}  // namespace

uint8_t LedColourCode(int item) {
  return item >= 0 && item < 4 ? kColourCodes[item] : 0;
}

uint8_t LedStyleCode(LedStyle style) { return style == LedStyle::Alternative ? 2 : 0; }

LedFrameBytes BuildLedFrame(const std::array<LedSetting, kLedCount>& leds) {
  LedFrameBytes frame{};
  for (int i = 0; i < kLedCount; ++i) {
    frame[static_cast<size_t>(i)] = LedColourCode(leds[static_cast<size_t>(i)].item);
    frame[static_cast<size_t>(kLedCount + i)] = LedStyleCode(leds[static_cast<size_t>(i)].style);
  }
  return frame;
}
