#include <algorithm>

#include "DeviceModel.h"
#include "commands/Handlers.h"

namespace sim::commands {

bool Greet(const Request&, DeviceModel&, uint8_t*) { return true; }

bool ReadEepromStatus(const Request&, DeviceModel& m, uint8_t* answer) {
  std::array<uint8_t, 7> status = m.EepromStatus();
  std::copy(status.begin(), status.end(), answer);
  return true;
}

bool QueryRestart(const Request&, DeviceModel& m, uint8_t* answer) {
  answer[0] = static_cast<uint8_t>(m.restartPending());
  return true;
}

bool ReadState(const Request&, DeviceModel& m, uint8_t* answer) {
  StateBytes state = m.State();
  std::copy(state.begin(), state.end(), answer);
  return true;
}

}  // namespace sim::commands
