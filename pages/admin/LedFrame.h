#pragma once
// The LED frame the detector takes with command 12: the colour of each of the
// 45 front-panel LEDs, then the style of each.
#include <array>
#include <cstddef>
#include <cstdint>

constexpr int kLedCount = 45;
constexpr int kLedFrameSize = 2 * kLedCount;
using LedFrameBytes = std::array<uint8_t, kLedFrameSize>;

// The two looks an LED selector can take: its plain icons (ImageList1) or the
// alternative ones (ImageList2).
enum class LedStyle { Plain, Alternative };

// What one selector shows: its item (0 off, 1 green, 2 red, 3 yellow) and style.
struct LedSetting {
  int item = 0;
  LedStyle style = LedStyle::Plain;
};

// The detector numbers the colours 0 off, 1 red, 2 green, 3 yellow; an item
// outside the four is off.
uint8_t LedColourCode(int item);
// 0 plain, 2 alternative.
uint8_t LedStyleCode(LedStyle style);
// Bytes 0..44 the colour codes of LED 0..44, bytes 45..89 their style codes.
LedFrameBytes BuildLedFrame(const std::array<LedSetting, kLedCount>& leds);
