#include "DeviceClock.h"

namespace sim {

// Out of the box the detector shows the local time of the computer.
DeviceClock::DeviceClock() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  offset_ = local.tm_gmtoff;
}

std::tm DeviceClock::Now() const {
  std::time_t t = std::time(nullptr) + offset_;
  std::tm out{};
  gmtime_r(&t, &out);
  return out;
}

void DeviceClock::Set(const std::tm& time) {
  std::tm copy = time;
  offset_ = timegm(&copy) - std::time(nullptr);
}

bool IsValidClockSetting(int day, int month, int year, int hour, int minute, int second) {
  static const int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12 || year < 0 || year > 99) return false;
  int last = kDays[month - 1] - (month == 2 && year % 4 != 0 ? 1 : 0);
  return day >= 1 && day <= last && hour >= 0 && hour < 24 && minute >= 0 && minute < 60 &&
         second >= 0 && second < 60;
}

}  // namespace sim
