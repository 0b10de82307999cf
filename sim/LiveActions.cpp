#include "LiveActions.h"

namespace sim {
namespace {

constexpr int kAlarmRelay[2] = {kAlarm1Relay, kAlarm2Relay};
constexpr int kSounderRelay[2] = {kSounder1Relay, kSounder2Relay};
constexpr int kPrealarmRelay[2] = {kPrealarm1Relay, kPrealarm2Relay};

}  // namespace

void TestChannel(LiveState& live, int ch) {
  if (!live.channel[ch].enabled) return;
  live.channel[ch].alarm = 1;
  live.relays[kAlarmRelay[ch]] = 1;
  live.relays[kSounderRelay[ch]] = 1;
}

void SoundersOff(LiveState& live, int ch) {
  if (live.channel[ch].enabled) live.relays[kSounderRelay[ch]] = 0;
}

void ResetDetector(LiveState& live, const std::vector<uint8_t>& image) {
  for (int ch = 0; ch < 2; ++ch) {
    if (!live.channel[ch].enabled) continue;
    live.channel[ch].alarm = live.channel[ch].prealarm = 0;
    for (int relay : {kAlarmRelay[ch], kSounderRelay[ch], kPrealarmRelay[ch]})
      live.relays[relay] = 0;
    SetFan(live, image, ch, kNoFanTest);
  }
}

void SetFan(LiveState& live, const std::vector<uint8_t>& image, int ch, int setting) {
  ChannelState& c = live.channel[ch];
  if (!c.enabled) return;
  c.fanDac = -1;  // a fan test takes the fan back from a DAC drive
  c.fanSpeed =
      setting == kNoFanTest ? image[static_cast<size_t>(454 + ch)] : static_cast<uint8_t>(setting);
  c.flow = FlowAtSpeed(image, ch, c.fanSpeed);
}

}  // namespace sim
