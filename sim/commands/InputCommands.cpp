// The raw reads of the detector's inputs: analogue channels, ultrasonic flow
// timer, front buttons, sensor remote outputs, external input, sounders and
// cover switch. Multi-byte values go low byte first.
#include "DeviceModel.h"
#include "LiveActions.h"
#include "commands/Handlers.h"

namespace sim::commands {
namespace {

void PutWord(uint8_t* at, uint16_t value) {
  at[0] = static_cast<uint8_t>(value & 0xFF);
  at[1] = static_cast<uint8_t>(value >> 8);
}

uint16_t Analogue(DeviceModel& m, int channel) {
  return m.peripherals().Analogue(channel, m.live(), m.channels());
}

}  // namespace

// P1: the channel 0..8.
bool ReadAdc(const Request& r, DeviceModel& m, uint8_t* answer) {
  if (r.param(1) >= kAnalogueChannels) return false;
  PutWord(answer, Analogue(m, r.param(1)));
  return true;
}

// P1: the measuring way 0..3.
bool ReadUltra(const Request& r, DeviceModel& m, uint8_t* answer) {
  if (r.param(1) >= kUltraWays) return false;
  PutWord(answer, m.peripherals().MeasureUltra(r.param(1), m.live(), m.channels()));
  return true;
}

// How long RESET, TEST and DISABLE have been held so far.
bool ReadButtons(const Request&, DeviceModel& m, uint8_t* answer) {
  Peripherals& p = m.peripherals();
  answer[0] = p.TimeIn(Switch::Reset, true);
  answer[1] = p.TimeIn(Switch::Test, true);
  answer[2] = p.TimeIn(Switch::Disable, true);
  return true;
}

// Each sensor's remote output follows its channel's alarm; state, then pin.
bool ReadRemotes(const Request&, DeviceModel& m, uint8_t* answer) {
  for (int ch = 0; ch < 2; ++ch) answer[2 * ch] = answer[2 * ch + 1] = m.live().channel[ch].alarm;
  return true;
}

bool ReadInput(const Request&, DeviceModel& m, uint8_t* answer) {
  answer[0] = m.peripherals().IsPressed(Switch::ExternalInput) ? 1 : 0;
  return true;
}

// The sounder relays and the line readings of analogue channels 0 and 1.
bool ReadSounders(const Request&, DeviceModel& m, uint8_t* answer) {
  answer[0] = m.live().relays[kSounder1Relay];
  answer[1] = m.live().relays[kSounder2Relay];
  PutWord(answer + 2, Analogue(m, kSounder1Ad));
  PutWord(answer + 4, Analogue(m, kSounder2Ad));
  return true;
}

// Open time, closed time, and the pin: 1 while the cover is closed.
bool ReadCover(const Request&, DeviceModel& m, uint8_t* answer) {
  Peripherals& p = m.peripherals();
  answer[0] = p.TimeIn(Switch::Cover, false);
  answer[1] = p.TimeIn(Switch::Cover, true);
  answer[2] = p.IsPressed(Switch::Cover) ? 1 : 0;
  return true;
}

}  // namespace sim::commands
