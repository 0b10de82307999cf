#pragma once
// Where each configuration parameter lives in the held image and which values
// it takes: one entry per accessor of TKV, read by TKV::AccessParams.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "Records.h"
#include "TKV.h"

namespace params {

// How the bytes of a run hold one value.
enum class Coding : uint8_t {
  Number,  // `width` bytes, little-endian
  Year,    // a two-digit year; a stored 100 or more is the detector's way of saying 2011
  Choice,  // `width` flag bytes, at most one set: the value is the number of the first set
           // flag, `width` when none is
};

// The values of one argument: value k lives at first + k * stride. Each value
// of modes 1 and 2 must lie in min..max; the rule of the entry then looks at
// all values together.
struct Run {
  int first = 0;
  int count = 1;
  int stride = 1;
  int32_t min = 0;
  int32_t max = 1;
  Coding coding = Coding::Number;
  int width = 1;
};

constexpr Run Values(int first, int count, int32_t min, int32_t max, int stride = 1) {
  return {first, count, stride, min, max, Coding::Number, 1};
}
constexpr Run Value(int at, int32_t min, int32_t max) { return Values(at, 1, min, max); }
constexpr Run Flags(int first, int count) { return Values(first, count, 0, 1); }
constexpr Run Flag(int at) { return Flags(at, 1); }
// Bytes whose values a rule of the entry decides (dates, times, the pressure).
constexpr Run AnyBytes(int first, int count, int stride) {
  return Values(first, count, 0, 255, stride);
}
constexpr Run AnyByte(int at) { return AnyBytes(at, 1, 1); }
constexpr Run Word(int at, int32_t min, int32_t max) {
  return {at, 1, 1, min, max, Coding::Number, 2};
}
constexpr Run StampYear(int at) { return {at, 1, 1, 0, 255, Coding::Year, 1}; }
constexpr Run OneOf(int first, int choices) {
  return {first, 1, 1, 0, choices, Coding::Choice, choices};
}

// values: every value of the call, in argument order.
using Rule = bool (*)(const int32_t* values, const DeviceInfo& unit, const uint8_t* image);
using Effect = void (*)(const int32_t* values, const DeviceInfo& unit, uint8_t* image);

constexpr size_t kMaxRuns = 8;
constexpr size_t kMaxValues = 40;  // the holidays: 20 days and 20 months

struct Layout {
  constexpr Layout(std::initializer_list<Run> list, Rule related = nullptr,
                   Effect alsoStore = nullptr, Rule refusedInEveryMode = nullptr)
      : runCount(list.size()),
        related(related),
        alsoStore(alsoStore),
        refusedInEveryMode(refusedInEveryMode) {
    size_t i = 0;
    for (const Run& run : list) runs[i++] = run;
  }
  std::array<Run, kMaxRuns> runs{};
  size_t runCount;
  Rule related;             // modes 1 and 2, once every value passed its own range
  Effect alsoStore;         // mode 1, after the values are stored
  Rule refusedInEveryMode;  // right after the access guard, reads included
};

// --- rules between values ---

constexpr int kChannelFlags = 287;  // 287 channel 1, 288 channel 2
constexpr int kSensorFlags = 289;   // 289 sensor 1, 290 sensor 2

// A code kept back from users: ParamPassword refuses it in every mode, a read included.
constexpr int32_t kReservedPassword[4] = {7, 3, 9, 1};

inline bool IsReservedPassword(const int32_t* digits, const DeviceInfo&, const uint8_t*) {
  return std::equal(digits, digits + 4, kReservedPassword);
}

inline bool ChannelsAllowed(const int32_t* on, const DeviceInfo& unit, const uint8_t*) {
  if (unit.ChannelCount == 1) return on[0] == 1 && on[1] == 0;
  return on[0] == 1 || on[1] == 1;
}

// On a two-channel unit each sensor runs exactly when its channel does.
inline void SensorsFollowChannels(const int32_t* on, const DeviceInfo& unit, uint8_t* image) {
  if (unit.ChannelCount != 2) return;
  image[kSensorFlags] = on[0] == 1 ? 1 : 0;
  image[kSensorFlags + 1] = on[1] == 1 ? 1 : 0;
}

inline bool SensorsAllowed(const int32_t* on, const DeviceInfo& unit, const uint8_t* image) {
  if (unit.ChannelCount == 2)
    return on[0] == image[kChannelFlags] && on[1] == image[kChannelFlags + 1];
  if (unit.ChannelCount == 1 && unit.SensorCount == 1) return on[0] == 1 && on[1] == 0;
  if (unit.ChannelCount == 1 && unit.SensorCount == 2) return on[0] == 1 || on[1] == 1;
  return true;
}

// id, day, month, year, hour, minute, second.
inline bool StampValid(const int32_t* v, const DeviceInfo&, const uint8_t*) {
  return TKV::IsValidDateTime(v[1], v[2], v[3], v[4], v[5], v[6]);
}

// start hour, start minute, end hour, end minute.
inline bool DayStartsBeforeItEnds(const int32_t* v, const DeviceInfo&, const uint8_t*) {
  return v[0] < v[2];
}

constexpr int kHolidaySlots = 20;

// 20 days, then 20 months.
inline bool HolidaysValid(const int32_t* v, const DeviceInfo&, const uint8_t*) {
  for (int j = 0; j < kHolidaySlots; ++j)
    if (!TKV::IsValidDayMonth(v[j], v[kHolidaySlots + j])) return false;
  return true;
}

// reference[2], minimum[2], maximum[2].
inline bool FlowsOrdered(const int32_t* v, const DeviceInfo&, const uint8_t*) {
  for (int ch = 0; ch < 2; ++ch)
    if (!(v[2 + ch] < v[ch] && v[ch] < v[4 + ch])) return false;
  return true;
}

// day[2], month[2], year[2].
inline bool FilterDatesValid(const int32_t* v, const DeviceInfo&, const uint8_t*) {
  for (int ch = 0; ch < 2; ++ch)
    if (!TKV::IsValidDateTime(v[ch], v[2 + ch], v[4 + ch], 0, 0, 0)) return false;
  return true;
}

// Start day, month, hour, minute, then the same for the end; the year does not
// matter to the detector, 99 stands in for any.
inline bool DaylightDatesValid(const int32_t* v, const DeviceInfo&, const uint8_t*) {
  for (const int32_t* d : {v, v + 4})
    if (!TKV::IsValidDateTime(d[0], d[1], 99, d[2], d[3], 0)) return false;
  return true;
}

// 255 stands for a setting beyond the range of seconds.
inline bool PowerRestartValid(const int32_t* v, const DeviceInfo&, const uint8_t*) {
  return v[0] <= 240 || v[0] == 255;
}

// Four bytes of a little-endian pressure in Pa.
inline bool PressureInRange(const int32_t* b, const DeviceInfo&, const uint8_t*) {
  int64_t pa = 0;
  for (int i = 3; i >= 0; --i) pa = pa * 256 + b[i];
  return pa >= 68758 && pa <= 110000;
}

// --- the table ---

inline constexpr Layout kPassword{{Values(276, 4, 1, 9)}, nullptr, nullptr, IsReservedPassword};
inline constexpr Layout kConfigStamp{{Value(280, 0, 255), AnyByte(281), AnyByte(282),
                                      StampYear(283), AnyByte(284), AnyByte(285), AnyByte(286)},
                                     StampValid};
inline constexpr Layout kChannelEnable{
    {Flags(kChannelFlags, 2)}, ChannelsAllowed, SensorsFollowChannels};
inline constexpr Layout kSensorEnable{{Flags(kSensorFlags, 2)}, SensorsAllowed};
inline constexpr Layout kDisableTime{{Value(291, 1, 240)}};
inline constexpr Layout kMaintTimeout{{Value(292, 0, 30)}};
inline constexpr Layout kTrendLogTime{{Value(293, 0, 240)}};
inline constexpr Layout kMirrorLeds{{Flag(294)}};
inline constexpr Layout kSupplies{{Value(295, 1, 2)}};
inline constexpr Layout kDayNight{{Flag(297)}};
inline constexpr Layout kDayTimes{
    {Value(298, 0, 23), Value(299, 0, 59), Value(300, 0, 23), Value(301, 0, 59)},
    DayStartsBeforeItEnds};
inline constexpr Layout kNightWeekdays{{Flags(302, 7)}};
inline constexpr Layout kHolidays{
    {AnyBytes(309, kHolidaySlots, 2), AnyBytes(310, kHolidaySlots, 2)}, HolidaysValid};
inline constexpr Layout kCommonChamber{{Value(349, 1, 2)}};
inline constexpr Layout kSounderCutoff{{Value(350, 0, 120)}};
inline constexpr Layout kLbAlarmMode{{Value(351, 1, 2)}};
inline constexpr Layout kLatchedAlarm{{Flags(352, 2)}};
inline constexpr Layout kPrealarmDelay{{Value(354, 0, 240)}};
inline constexpr Layout kAlarmDelay{{Value(355, 0, 240)}};
inline constexpr Layout kCascadeAlarm{{Flag(356)}};
inline constexpr Layout kSounderOnPrealarm{{Flag(357)}};
inline constexpr Layout kSensorTimeout{{Value(358, 0, 240)}};
inline constexpr Layout kAlarmLevels{
    {Values(359, 2, 1, 9), Values(361, 2, 1, 9), Values(363, 2, 1, 9), Values(365, 2, 1, 9)}};
inline constexpr Layout kAuxRelayCh2{{Flag(367)}};
inline constexpr Layout kRemoteOutputTime{{Value(370, 1, 200)}};
inline constexpr Layout kChannelLabels{{Values(372, 32, 32, 127)}};
inline constexpr Layout kFlows{
    {Values(404, 2, 1, 250, 2), Values(412, 2, 1, 250, 2), Values(408, 2, 1, 250, 2)},
    FlowsOrdered};
inline constexpr Layout kFilterDueDates{
    {AnyBytes(416, 2, 3), AnyBytes(417, 2, 3), AnyBytes(418, 2, 3)}, FilterDatesValid};
inline constexpr Layout kAutoFanSpeed{{Flags(422, 2)}};
inline constexpr Layout kDaylightSaving{{Value(426, 0, 2)}};
inline constexpr Layout kDaylightDates{{AnyByte(427), AnyByte(428), AnyByte(430), AnyByte(431),
                                        AnyByte(432), AnyByte(433), AnyByte(435), AnyByte(436)},
                                       DaylightDatesValid};
inline constexpr Layout kLatchedFault{{Flag(437)}};
inline constexpr Layout kFaultDelay{{Value(439, 0, 240)}};
inline constexpr Layout kFlowFaultDelay{{Value(440, 0, 240)}};
inline constexpr Layout kPowerRestartTime{{Value(442, 0, 255)}, PowerRestartValid};
inline constexpr Layout kManualFanSpeed{{Values(454, 2, 1, 10)}};
inline constexpr Layout kAuxFaultEvents{
    {Flag(457), Flag(458), Flag(459), Flag(460), Flag(461), Flag(462)}};
inline constexpr Layout kAuxFaultLatched{{Flag(464)}};
inline constexpr Layout kExtInputNormalState{{Flag(465)}};
inline constexpr Layout kExtInputEvent{{OneOf(466, 4)}};
inline constexpr Layout kSensorDisableTime{{Word(470, 1, 1440)}};
// Each byte stays a byte, so the pressure stored is the pressure checked.
inline constexpr Layout kPressure{{AnyByte(472), AnyByte(473), AnyByte(474), AnyByte(475)},
                                  PressureInRange};

}  // namespace params
