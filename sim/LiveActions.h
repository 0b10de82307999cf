#pragma once
#include <cstdint>
#include <vector>

#include "LiveState.h"

namespace sim {

// Relays as command 33 numbers them; relay n is state byte 60 + n (Relay[n]).
enum Relay : int {
  kAlarm1Relay = 1,
  kAlarm2Relay,
  kSounder1Relay,
  kSounder2Relay,
  kFaultRelay,
  kPrealarm1Relay,
  kPrealarm2Relay,
  kAuxFaultRelay
};

constexpr int kNoFanTest = 11;  // the fan setting that ends a fan test

// What the detector's actions do to its live state. A channel that does not
// run (disabled, or missing on a one-channel detector) is left as it is.

// The channel goes into alarm, with its alarm and sounder relays.
void TestChannel(LiveState& live, int ch);
void SoundersOff(LiveState& live, int ch);
// Alarms, prealarms and tests end; the relays that follow alarms fall back and
// the fans return to their configured speed. Fault relays stay as they are.
void ResetDetector(LiveState& live, const std::vector<uint8_t>& image);
// The fan runs at a test speed 0..10, or at its configured speed again for
// kNoFanTest; its flow follows the speed.
void SetFan(LiveState& live, const std::vector<uint8_t>& image, int ch, int setting);

}  // namespace sim
