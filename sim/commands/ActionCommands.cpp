#include "DeviceModel.h"
#include "LiveActions.h"
#include "commands/Handlers.h"

namespace sim::commands {
namespace {

// Selector 0 channel 1, 1 channel 2, 2 both.
template <class F>
void ForChannels(int selector, F action) {
  if (selector != 1) action(0);
  if (selector != 0) action(1);
}

bool IsFanSetting(int setting) { return setting >= 0 && setting <= kNoFanTest; }

}  // namespace

bool ClearOperatingHours(const Request&, DeviceModel& m, uint8_t*) {
  m.ClearOperatingHours();
  return true;
}

// P1, P2: the settings of fan 1 and fan 2. 11 leaves that fan as it is, so
// the tool can test one fan and then the other with both running; 11 for both
// ends every fan test.
bool TestFan(const Request& r, DeviceModel& m, uint8_t*) {
  const int settings[2] = {r.param(1), r.param(2)};
  if (!IsFanSetting(settings[0]) || !IsFanSetting(settings[1])) return false;
  const bool endAll = settings[0] == kNoFanTest && settings[1] == kNoFanTest;
  for (int ch = 0; ch < 2; ++ch)
    if (endAll || settings[ch] != kNoFanTest) SetFan(m.live(), m.eeprom(), ch, settings[ch]);
  return true;
}

// P1: 0 normal, 1 maintenance.
bool RestartDevice(const Request& r, DeviceModel& m, uint8_t*) {
  if (r.param(1) > 1) return false;
  m.Restart(r.param(1) == 1);
  return true;
}

// P1 the relay, P2 its state; the prealarm relays exist on a stand-alone detector only.
bool SetRelay(const Request& r, DeviceModel& m, uint8_t*) {
  const int relay = r.param(1), state = r.param(2);
  if (relay < kAlarm1Relay || relay > kAuxFaultRelay || state > 1) return false;
  if ((relay == kPrealarm1Relay || relay == kPrealarm2Relay) && m.variant() != Variant::StandAlone)
    return false;
  m.live().relays[static_cast<size_t>(relay)] = static_cast<uint8_t>(state);
  return true;
}

// P1: 0..2 test channels, 3 reset, 4..6 sounders off, channels chosen as the selector.
bool DeviceAction(const Request& r, DeviceModel& m, uint8_t*) {
  const int action = r.param(1);
  LiveState& live = m.live();
  if (action <= 2)
    ForChannels(action, [&](int ch) { TestChannel(live, ch); });
  else if (action == 3)
    ResetDetector(live, m.eeprom());
  else if (action <= 6)
    ForChannels(action - 4, [&](int ch) { SoundersOff(live, ch); });
  else
    return false;
  return true;
}

}  // namespace sim::commands
