#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "DetectorOptions.h"

namespace sim {

struct ChannelState {
  uint8_t enabled = 0, sensorEnabled = 0, alarm = 0, prealarm = 0;
  uint8_t flow = 0;  // 0: no measurement
  uint8_t fanSpeed = 0;
  uint8_t flowTemperature = 0;  // t * 5 - 500 tenths of a degree; 0: none
  uint8_t sensorOutput = 0;
  int16_t fanDac = -1;  // drive set by command 8 (SetFanDac); -1: the fan runs at fanSpeed
};

// What the detector is doing right now, field by field.
struct LiveState {
  ChannelState channel[2];
  uint8_t supply[2] = {};           // b * 100 + 10000 mV; 0: not measured
  std::array<uint8_t, 38> flags{};  // faults and alerts, flag k is event 100 + k
  uint8_t asdFault = 0, asdAuxFault = 0, externalInput = 0;
  std::array<uint8_t, 9> relays{};
  uint8_t internalTemperature = 0;
  uint8_t loopAddress = 0;
};

constexpr int kStateSize = 74;
using StateBytes = std::array<uint8_t, kStateSize>;

// A healthy detector running the configuration held in its image.
LiveState HealthyState(const std::vector<uint8_t>& image, Variant variant, int channels);

// The flow of a healthy channel whose fan runs at `speed`: the reference flow
// at the configured speed, proportionally less or more otherwise.
uint8_t FlowAtSpeed(const std::vector<uint8_t>& image, int ch, int speed);

// The 74 data bytes of the state answer.
StateBytes EncodeState(const LiveState& live, const uint8_t operatingHours[4]);

}  // namespace sim
