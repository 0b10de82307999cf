#pragma once
#include <ctime>

namespace sim {

// The detector's real-time clock: it runs with the computer's, from wherever it was set.
class DeviceClock {
 public:
  DeviceClock();
  std::tm Now() const;
  void Set(const std::tm& time);

 private:
  std::time_t offset_;  // device time minus the computer's UTC time
};

// Day 1..31 within the month, month 1..12, two-digit year 0..99, time of day.
bool IsValidClockSetting(int day, int month, int year, int hour, int minute, int second);

}  // namespace sim
