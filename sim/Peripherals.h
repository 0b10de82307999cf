#pragma once
#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <vector>

#include "DetectorOptions.h"
#include "LiveState.h"

namespace sim {

// The analogue channels of command 9 (ReadAdc).
enum AnalogueChannel : int {
  kSounder1Ad,
  kSounder2Ad,
  kPcbThermistorAd,
  kFlow1ThermistorAd,
  kFlow2ThermistorAd,
  kFanBack1Ad,
  kFanBack2Ad,
  kPower1Ad,
  kPower2Ad,
  kAnalogueChannels
};

constexpr int kUltraWays = 4;  // channel 1 A->B, B->A, channel 2 A->B, B->A

// The fan drive 0..255 of a speed setting 0..10, and the fan feedback it
// gives: the factory test expects 0..10 at speed 0, 510..560 at 1, 640..690
// at 5 and 790..840 at 10.
int DriveAtSpeed(int speed);
uint16_t FanFeedback(int drive);
// A running channel's fan: its DAC drive when one is set, else its speed's.
int FanDrive(const ChannelState& c);

// The detector's raw inputs and outputs beside its live state: buttons,
// external input and cover (pressed now, or on the schedule of the options),
// the analogue channels, the ultrasonic flow timer, the loop isolator and the
// stand-alone loop supply.
class Peripherals {
 public:
  using Clock = std::chrono::steady_clock;
  explicit Peripherals(const DetectorOptions& options);

  // The switch changes now; a later scheduled change still happens.
  void Press(Switch what);
  void Release(Switch what);
  bool IsPressed(Switch what);
  // How long the switch has been pressed (or released) so far in units of
  // 50 ms, at most 255; 0 while it is in the other state.
  uint8_t TimeIn(Switch what, bool pressed);

  // Both sounder lines with or without their 47 kohm end-of-line load.
  void SetSoundersLoaded(bool loaded) { soundersLoaded_ = loaded; }
  uint16_t Analogue(int channel, const LiveState& live, int channels) const;

  // One ultrasonic measurement of the way: 0 for a channel that does not run.
  // After a change of flow the count moves a quarter of the way to its new
  // value at each measurement, as the air in the chamber settles.
  uint16_t MeasureUltra(int way, const LiveState& live, int channels);
  // The next measurements of the way answer these counts, in order.
  void QueueUltraCounts(int way, const std::vector<uint16_t>& counts);

  // Command 10: 0 reads; 32 opens the isolator, 96 closes it, as loop command
  // 11 does; other values change nothing.
  void IsolatorCommand(uint8_t value);
  uint8_t isolatorPin() const { return isolatorClosed_ ? 1 : 0; }
  uint8_t isolatorState() const { return isolatorClosed_ ? 224 : 32; }

  // Command 24: 0 24 V, 1 5 V, 2 0 V, 3 off.
  void SetStandAloneLoop(uint8_t selection) { standAloneLoop_ = selection; }
  uint8_t standAloneLoop() const { return standAloneLoop_; }

 private:
  struct SwitchState {
    bool pressed = false;
    Clock::time_point since;
    std::deque<std::pair<Clock::time_point, bool>> scheduled;  // oldest first
  };
  SwitchState& Settled(Switch what);  // scheduled changes that are due are made
  void Change(SwitchState& s, bool pressed, Clock::time_point at);

  std::array<SwitchState, 5> switches_;
  bool soundersLoaded_;
  bool unsettled_;
  std::array<int, kUltraWays> ultra_{};  // the settling count; 0: nothing measured yet
  std::array<std::deque<uint16_t>, kUltraWays> queuedUltra_;
  std::array<unsigned, kUltraWays> ultraReadings_{};
  bool isolatorClosed_ = true;
  uint8_t standAloneLoop_ = 0;
};

}  // namespace sim
