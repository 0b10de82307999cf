#include "DeviceModel.h"
#include "commands/Handlers.h"

namespace sim::commands {

// P1 = 1 with the 90-byte LED frame forces a pattern; P1 = 0 without data
// gives the LEDs back to the detector.
bool SetLeds(const Request& r, DeviceModel& m, uint8_t*) {
  if (r.param(1) == 1 && r.dataLength() == kLedFrameSize) {
    m.leds().Force(r.data());
    return true;
  }
  if (r.param(1) == 0 && r.dataLength() == 0) {
    m.leds().Release();
    return true;
  }
  return false;
}

}  // namespace sim::commands
