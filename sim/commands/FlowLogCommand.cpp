#include "DeviceModel.h"
#include "commands/Handlers.h"

namespace sim::commands {

// P1, P2: the speeds the fans are to run at from now on.
bool ReadFlowLog(const Request& r, DeviceModel& m, uint8_t* answer) {
  m.flowLog().Read(FlowLogQueues::Clock::now(), r.param(1), r.param(2), answer);
  return true;
}

}  // namespace sim::commands
