#include "DeviceModel.h"
#include "commands/Handlers.h"

namespace sim::commands {

// Day, month, two-digit year, hour, minute, second, day of the week (1 = Monday).
bool ReadClock(const Request&, DeviceModel& m, uint8_t* answer) {
  std::tm t = m.clock().Now();
  const int fields[7] = {t.tm_mday,
                         t.tm_mon + 1,
                         t.tm_year % 100,
                         t.tm_hour,
                         t.tm_min,
                         t.tm_sec,
                         t.tm_wday == 0 ? 7 : t.tm_wday};
  for (int i = 0; i < 7; ++i) answer[i] = static_cast<uint8_t>(fields[i]);
  return true;
}

bool SetClock(const Request& r, DeviceModel& m, uint8_t*) {
  if (r.dataLength() != 6) return false;
  const uint8_t* d = r.data();
  if (!IsValidClockSetting(d[0], d[1], d[2], d[3], d[4], d[5])) return false;
  std::tm t{};
  t.tm_mday = d[0];
  t.tm_mon = d[1] - 1;
  t.tm_year = 100 + d[2];
  t.tm_hour = d[3];
  t.tm_min = d[4];
  t.tm_sec = d[5];
  m.clock().Set(t);
  return true;
}

}  // namespace sim::commands
