#include "LiveState.h"

#include <algorithm>

#include "Variants.h"

namespace sim {

LiveState HealthyState(const std::vector<uint8_t>& image, Variant variant, int channels) {
  const VariantTraits& traits = TraitsOf(variant);
  LiveState s;
  for (int ch = 0; ch < channels; ++ch) {
    ChannelState& c = s.channel[ch];
    c.enabled = image[static_cast<size_t>(287 + ch)];
    c.sensorEnabled = image[static_cast<size_t>(289 + ch)];
    if (!c.enabled) continue;
    c.fanSpeed = image[static_cast<size_t>(454 + ch)];
    c.flow = FlowAtSpeed(image, ch, c.fanSpeed);
    c.flowTemperature = static_cast<uint8_t>(148 + ch);
    c.sensorOutput = traits.sensorOutput;
  }
  s.supply[0] = 140;  // 24.0 V
  s.supply[1] = 139;
  s.internalTemperature = 150;  // 25.0 °C
  s.loopAddress = traits.loopAddress;
  return s;
}

uint8_t FlowAtSpeed(const std::vector<uint8_t>& image, int ch, int speed) {
  const int reference = std::max(1, image[static_cast<size_t>(404 + 2 * ch)] - ch);
  const int configured = std::max<int>(1, image[static_cast<size_t>(454 + ch)]);
  return static_cast<uint8_t>(std::min(255, (reference * speed + configured / 2) / configured));
}

StateBytes EncodeState(const LiveState& live, const uint8_t operatingHours[4]) {
  StateBytes b{};
  for (int ch = 0; ch < 2; ++ch) {
    const ChannelState& c = live.channel[ch];
    uint8_t* p = &b[static_cast<size_t>(6 * ch)];
    p[0] = c.enabled;
    p[1] = c.sensorEnabled;
    p[2] = c.alarm;
    p[3] = c.prealarm;
    p[4] = c.flow;
    p[5] = c.fanSpeed;
  }
  b[12] = live.supply[0];
  b[13] = live.supply[1];
  std::copy(live.flags.begin(), live.flags.end(), b.begin() + 14);
  b[52] = live.asdFault;
  b[53] = live.asdAuxFault;
  std::copy(operatingHours, operatingHours + 4, b.begin() + 54);
  b[58] = live.externalInput;
  std::copy(live.relays.begin(), live.relays.end(), b.begin() + 59);
  b[68] = live.internalTemperature;
  b[69] = live.channel[0].flowTemperature;
  b[70] = live.channel[1].flowTemperature;
  b[71] = live.loopAddress;
  b[72] = live.channel[0].sensorOutput;
  b[73] = live.channel[1].sensorOutput;
  return b;
}

}  // namespace sim
