// The configuration parameters of the held image. Every accessor is one entry
// of the layout table and one shared body: mode 0 reads, 1 checks and stores,
// 2 only checks. Nothing here talks to the detector; StoreConfiguration does.
#include <algorithm>
#include <cassert>

#include "ParamLayouts.h"
#include "TKV.h"

namespace {
using params::Coding;
using params::Run;

constexpr int kGet = 0;
constexpr int kSet = 1;
constexpr int kCheck = 2;

int32_t Decode(const Run& run, const uint8_t* at) {
  switch (run.coding) {
    case Coding::Year:
      return at[0] >= 100 ? 11 : at[0];
    case Coding::Choice: {
      const uint8_t* set = std::find_if(at, at + run.width, [](uint8_t b) { return b != 0; });
      return static_cast<int32_t>(set - at);
    }
    case Coding::Number:
      break;
  }
  int32_t value = 0;
  for (int i = run.width - 1; i >= 0; --i) value = value * 256 + at[i];
  return value;
}

void Encode(const Run& run, int32_t value, uint8_t* at) {
  if (run.coding == Coding::Choice) {
    std::fill(at, at + run.width, 0);
    if (value < run.width) at[value] = 1;
    return;
  }
  for (int i = 0; i < run.width; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

// One value of a call: the caller's variable, and where and how it is kept.
struct Slot {
  int32_t* variable;
  const Run* run;
  int address;
};

// The values of a call, in argument order.
struct Slots {
  std::array<Slot, params::kMaxValues> slot;
  size_t count = 0;
};

Slots Bind(const params::Layout& layout, std::initializer_list<int32_t*> arguments) {
  assert(arguments.size() == layout.runCount);
  Slots slots;
  const Run* run = layout.runs.data();
  for (int32_t* argument : arguments) {
    for (int k = 0; k < run->count; ++k)
      slots.slot[slots.count++] = {argument + k, run, run->first + k * run->stride};
    ++run;
  }
  return slots;
}

}  // namespace

bool TKV::CheckParamAccess(int mode) {
  return AreasUsable(false) && ArgumentOk(mode >= kGet && mode <= kCheck);
}

template <class Layout>
int TKV::AccessParams(const Layout& layout, std::initializer_list<int32_t*> arguments, int mode) {
  if (!CheckParamAccess(mode)) return 0;
  const Slots slots = Bind(layout, arguments);
  std::array<int32_t, params::kMaxValues> values{};
  // A get looks at the caller's values only to turn away a reserved combination.
  if (mode != kGet || layout.refusedInEveryMode)
    for (size_t i = 0; i < slots.count; ++i) values[i] = *slots.slot[i].variable;
  uint8_t* image = EepromImage.data();
  if (layout.refusedInEveryMode &&
      !ArgumentOk(!layout.refusedInEveryMode(values.data(), Info, image)))
    return 0;

  if (mode == kGet) {
    for (size_t i = 0; i < slots.count; ++i) {
      const Slot& s = slots.slot[i];
      *s.variable = Decode(*s.run, image + s.address);
    }
    return 1;
  }
  // Everything is checked before anything is stored: a refused call leaves the image as it was.
  for (size_t i = 0; i < slots.count; ++i) {
    const Run& run = *slots.slot[i].run;
    if (!ArgumentOk(values[i] >= run.min && values[i] <= run.max)) return 0;
  }
  if (layout.related && !ArgumentOk(layout.related(values.data(), Info, image))) return 0;
  if (mode == kSet) {
    for (size_t i = 0; i < slots.count; ++i) {
      const Slot& s = slots.slot[i];
      Encode(*s.run, values[i], image + s.address);
    }
    if (layout.alsoStore) layout.alsoStore(values.data(), Info, image);
  }
  return 1;
}

int TKV::ParamPassword(int32_t* digits, int mode) {
  return AccessParams(params::kPassword, {digits}, mode);
}
int TKV::ParamConfigStamp(int32_t& id, int32_t& day, int32_t& month, int32_t& year, int32_t& hour,
                          int32_t& minute, int32_t& second, int mode) {
  return AccessParams(params::kConfigStamp, {&id, &day, &month, &year, &hour, &minute, &second},
                      mode);
}
int TKV::ParamChannelEnable(int32_t* enabled, int mode) {
  return AccessParams(params::kChannelEnable, {enabled}, mode);
}
int TKV::ParamSensorEnable(int32_t* enabled, int mode) {
  return AccessParams(params::kSensorEnable, {enabled}, mode);
}
int TKV::ParamDisableTime(int32_t& minutes, int mode) {
  return AccessParams(params::kDisableTime, {&minutes}, mode);
}
int TKV::ParamMaintTimeout(int32_t& minutes, int mode) {
  return AccessParams(params::kMaintTimeout, {&minutes}, mode);
}
int TKV::ParamTrendLogTime(int32_t& minutes, int mode) {
  return AccessParams(params::kTrendLogTime, {&minutes}, mode);
}
int TKV::ParamMirrorLeds(int32_t& enabled, int mode) {
  return AccessParams(params::kMirrorLeds, {&enabled}, mode);
}
int TKV::ParamSupplies(int32_t& supplies, int mode) {
  return AccessParams(params::kSupplies, {&supplies}, mode);
}
int TKV::ParamDayNight(int32_t& enabled, int mode) {
  return AccessParams(params::kDayNight, {&enabled}, mode);
}
int TKV::ParamDayTimes(int32_t& startHour, int32_t& startMinute, int32_t& endHour,
                       int32_t& endMinute, int mode) {
  return AccessParams(params::kDayTimes, {&startHour, &startMinute, &endHour, &endMinute}, mode);
}
int TKV::ParamNightWeekdays(int32_t* flags, int mode) {
  return AccessParams(params::kNightWeekdays, {flags}, mode);
}
int TKV::ParamHolidays(int32_t* day, int32_t* month, int mode) {
  return AccessParams(params::kHolidays, {day, month}, mode);
}
int TKV::ParamCommonChamber(int32_t& value, int mode) {
  return AccessParams(params::kCommonChamber, {&value}, mode);
}
int TKV::ParamSounderCutoff(int32_t& fiveSeconds, int mode) {
  return AccessParams(params::kSounderCutoff, {&fiveSeconds}, mode);
}
int TKV::ParamLbAlarmMode(int32_t& value, int mode) {
  return AccessParams(params::kLbAlarmMode, {&value}, mode);
}
int TKV::ParamLatchedAlarm(int32_t* latched, int mode) {
  return AccessParams(params::kLatchedAlarm, {latched}, mode);
}
int TKV::ParamPrealarmDelay(int32_t& seconds, int mode) {
  return AccessParams(params::kPrealarmDelay, {&seconds}, mode);
}
int TKV::ParamAlarmDelay(int32_t& seconds, int mode) {
  return AccessParams(params::kAlarmDelay, {&seconds}, mode);
}
int TKV::ParamCascadeAlarm(int32_t& enabled, int mode) {
  return AccessParams(params::kCascadeAlarm, {&enabled}, mode);
}
int TKV::ParamSounderOnPrealarm(int32_t& enabled, int mode) {
  return AccessParams(params::kSounderOnPrealarm, {&enabled}, mode);
}
int TKV::ParamSensorTimeout(int32_t& seconds, int mode) {
  return AccessParams(params::kSensorTimeout, {&seconds}, mode);
}
int TKV::ParamAlarmLevels(int32_t* alarmDay, int32_t* prealarmDay, int32_t* alarmNight,
                          int32_t* prealarmNight, int mode) {
  return AccessParams(params::kAlarmLevels, {alarmDay, prealarmDay, alarmNight, prealarmNight},
                      mode);
}
int TKV::ParamAuxRelayCh2(int32_t& enabled, int mode) {
  return AccessParams(params::kAuxRelayCh2, {&enabled}, mode);
}
int TKV::ParamRemoteOutputTime(int32_t& fiftyMs, int mode) {
  return AccessParams(params::kRemoteOutputTime, {&fiftyMs}, mode);
}
int TKV::ParamChannelLabels(int32_t* characters, int mode) {
  return AccessParams(params::kChannelLabels, {characters}, mode);
}
int TKV::ParamFlows(int32_t* reference, int32_t* minimum, int32_t* maximum, int mode) {
  return AccessParams(params::kFlows, {reference, minimum, maximum}, mode);
}
int TKV::ParamFilterDueDates(int32_t* day, int32_t* month, int32_t* year, int mode) {
  return AccessParams(params::kFilterDueDates, {day, month, year}, mode);
}
int TKV::ParamAutoFanSpeed(int32_t* manual, int mode) {
  return AccessParams(params::kAutoFanSpeed, {manual}, mode);
}
int TKV::ParamDaylightSaving(int32_t& value, int mode) {
  return AccessParams(params::kDaylightSaving, {&value}, mode);
}
int TKV::ParamDaylightDates(int32_t& startDay, int32_t& startMonth, int32_t& startHour,
                            int32_t& startMinute, int32_t& endDay, int32_t& endMonth,
                            int32_t& endHour, int32_t& endMinute, int mode) {
  return AccessParams(
      params::kDaylightDates,
      {&startDay, &startMonth, &startHour, &startMinute, &endDay, &endMonth, &endHour, &endMinute},
      mode);
}
int TKV::ParamLatchedFault(int32_t& value, int mode) {
  return AccessParams(params::kLatchedFault, {&value}, mode);
}
int TKV::ParamFaultDelay(int32_t& seconds, int mode) {
  return AccessParams(params::kFaultDelay, {&seconds}, mode);
}
int TKV::ParamFlowFaultDelay(int32_t& seconds, int mode) {
  return AccessParams(params::kFlowFaultDelay, {&seconds}, mode);
}
int TKV::ParamPowerRestartTime(int32_t& seconds, int mode) {
  return AccessParams(params::kPowerRestartTime, {&seconds}, mode);
}
int TKV::ParamManualFanSpeed(int32_t* speed, int mode) {
  return AccessParams(params::kManualFanSpeed, {speed}, mode);
}
int TKV::ParamAuxFaultEvents(int32_t& temperature, int32_t& externalInput, int32_t& lowPower,
                             int32_t& flowFault, int32_t& sensor, int32_t& powerRestart, int mode) {
  return AccessParams(params::kAuxFaultEvents,
                      {&temperature, &externalInput, &lowPower, &flowFault, &sensor, &powerRestart},
                      mode);
}
int TKV::ParamAuxFaultLatched(int32_t& value, int mode) {
  return AccessParams(params::kAuxFaultLatched, {&value}, mode);
}
int TKV::ParamExtInputNormalState(int32_t& value, int mode) {
  return AccessParams(params::kExtInputNormalState, {&value}, mode);
}
int TKV::ParamExtInputEvent(int32_t& choice, int mode) {
  return AccessParams(params::kExtInputEvent, {&choice}, mode);
}
int TKV::ParamSensorDisableTime(int32_t& minutes, int mode) {
  return AccessParams(params::kSensorDisableTime, {&minutes}, mode);
}
int TKV::ParamPressure(int32_t& b0, int32_t& b1, int32_t& b2, int32_t& b3, int mode) {
  return AccessParams(params::kPressure, {&b0, &b1, &b2, &b3}, mode);
}
