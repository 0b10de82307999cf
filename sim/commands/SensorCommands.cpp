#include <algorithm>

#include "DeviceModel.h"
#include "commands/Handlers.h"

namespace sim::commands {

// P1 the sensor (0 or 1), P2 the mode: 1 poll, 2 remote test.
bool PollSensor(const Request& r, DeviceModel& m, uint8_t* answer) {
  const int sensor = r.param(1), mode = r.param(2);
  if (sensor > 1 || (mode != kSensorPoll && mode != kSensorTest)) return false;
  const SensorAnswer a = m.sensors().Answer(sensor, mode);
  std::copy(a.begin(), a.end(), answer);
  return true;
}

}  // namespace sim::commands
