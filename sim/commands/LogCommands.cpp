#include "DeviceModel.h"
#include "commands/Handlers.h"

namespace sim::commands {

bool ClearLog(const Request&, DeviceModel& m, uint8_t*) {
  m.FillLog(LogFill::Blank);
  return true;
}

}  // namespace sim::commands
