#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace sim {

constexpr int kFrontLedCount = 45;
constexpr int kLedFrameSize = 2 * kFrontLedCount;
using LedFrame = std::array<uint8_t, kLedFrameSize>;

// The 45 LEDs of the front panel. The detector drives them itself until a
// pattern is forced on it (command 12); it keeps that pattern until told to
// drive them again.
class FrontLeds {
 public:
  // Frame bytes 0..44: colour of LED 0..44 (0 off, 1 red, 2 green, 3 yellow);
  // bytes 45..89: its style.
  void Force(const uint8_t* frame);
  void Release() { forced_ = false; }

  bool forced() const { return forced_; }
  // The last pattern forced, kept after a release; zeros before the first.
  const LedFrame& frame() const { return frame_; }
  uint8_t colour(int led) const { return frame_[static_cast<size_t>(led)]; }
  uint8_t style(int led) const { return frame_[static_cast<size_t>(kFrontLedCount + led)]; }

 private:
  bool forced_ = false;
  LedFrame frame_{};
};

}  // namespace sim
