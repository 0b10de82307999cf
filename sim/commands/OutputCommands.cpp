// The raw commands that drive the detector: fan DAC, loop isolator, forced
// log entries and the stand-alone loop supply.
#include <algorithm>

#include "DeviceModel.h"
#include "LiveState.h"
#include "commands/Handlers.h"

namespace sim::commands {

// P1, P2: the drives of fan 1 and 2; P3 = 1 stops both fans. The flow follows
// the drive, in proportion to the drive of the configured speed.
bool SetFanDac(const Request& r, DeviceModel& m, uint8_t*) {
  if (r.param(3) > 1) return false;
  const bool stop = r.param(3) == 1;
  for (int ch = 0; ch < m.channels(); ++ch) {
    ChannelState& c = m.live().channel[ch];
    if (!c.enabled) continue;
    c.fanDac = stop ? 0 : r.param(1 + ch);
    const int configured = m.Eeprom(454 + ch);
    const int reference = FlowAtSpeed(m.eeprom(), ch, configured);
    const int configuredDrive = DriveAtSpeed(configured);
    c.flow = configuredDrive ? static_cast<uint8_t>(std::min(255, reference * c.fanDac / configuredDrive)) : 0;
  }
  return true;
}

// P1: 0 reads the isolator, any other value is the isolator command to carry out first.
bool IsolatorCommand(const Request& r, DeviceModel& m, uint8_t* answer) {
  Peripherals& p = m.peripherals();
  if (r.param(1) != 0) p.IsolatorCommand(r.param(1));
  answer[0] = p.isolatorPin();
  answer[1] = p.isolatorState();
  return true;
}

// P1: the event code written into the log as if it had happened now.
bool ForceLogEvent(const Request& r, DeviceModel& m, uint8_t*) {
  m.AppendLogEntry(r.param(1));
  return true;
}

// P1: 0 24 V, 1 5 V, 2 0 V, 3 off.
bool SetStandAloneLoop(const Request& r, DeviceModel& m, uint8_t*) {
  if (r.param(1) > 3) return false;
  m.peripherals().SetStandAloneLoop(r.param(1));
  return true;
}

}  // namespace sim::commands
