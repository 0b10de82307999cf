// The configuration parameter accessors, on the image a real connection loaded
// from the simulated detector: what each reads and stores, where, and what it
// refuses. Results are judged by the bytes of the held image.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "DeviceModel.h"
#include "SimulatedPort.h"
#include "TKV.h"

namespace {

constexpr int kGet = 0;
constexpr int kSet = 1;
constexpr int kCheck = 2;
constexpr int kBadCall = 13;
constexpr int32_t kReservedPassword[4] = {7, 3, 9, 1};

using Values = std::vector<int32_t>;
using Image = std::array<uint8_t, 512>;

// Every accessor in one shape: its values in argument order, arrays one after another.
using Accessor = int (*)(TKV&, int32_t*, int);

template <int (TKV::*F)(int32_t&, int)>
int Single(TKV& t, int32_t* v, int mode) {
  return (t.*F)(v[0], mode);
}
template <int (TKV::*F)(int32_t*, int)>
int Array(TKV& t, int32_t* v, int mode) {
  return (t.*F)(v, mode);
}

struct Param {
  const char* name;
  Accessor access;
  int valueCount;
};

const Param kParams[] = {
    {"Password", Array<&TKV::ParamPassword>, 4},
    {"ConfigStamp",
     [](TKV& t, int32_t* v, int m) {
       return t.ParamConfigStamp(v[0], v[1], v[2], v[3], v[4], v[5], v[6], m);
     },
     7},
    {"ChannelEnable", Array<&TKV::ParamChannelEnable>, 2},
    {"SensorEnable", Array<&TKV::ParamSensorEnable>, 2},
    {"DisableTime", Single<&TKV::ParamDisableTime>, 1},
    {"MaintTimeout", Single<&TKV::ParamMaintTimeout>, 1},
    {"TrendLogTime", Single<&TKV::ParamTrendLogTime>, 1},
    {"MirrorLeds", Single<&TKV::ParamMirrorLeds>, 1},
    {"Supplies", Single<&TKV::ParamSupplies>, 1},
    {"DayNight", Single<&TKV::ParamDayNight>, 1},
    {"DayTimes",
     [](TKV& t, int32_t* v, int m) { return t.ParamDayTimes(v[0], v[1], v[2], v[3], m); }, 4},
    {"NightWeekdays", Array<&TKV::ParamNightWeekdays>, 7},
    {"Holidays", [](TKV& t, int32_t* v, int m) { return t.ParamHolidays(v, v + 20, m); }, 40},
    {"CommonChamber", Single<&TKV::ParamCommonChamber>, 1},
    {"SounderCutoff", Single<&TKV::ParamSounderCutoff>, 1},
    {"LbAlarmMode", Single<&TKV::ParamLbAlarmMode>, 1},
    {"LatchedAlarm", Array<&TKV::ParamLatchedAlarm>, 2},
    {"PrealarmDelay", Single<&TKV::ParamPrealarmDelay>, 1},
    {"AlarmDelay", Single<&TKV::ParamAlarmDelay>, 1},
    {"CascadeAlarm", Single<&TKV::ParamCascadeAlarm>, 1},
    {"SounderOnPrealarm", Single<&TKV::ParamSounderOnPrealarm>, 1},
    {"SensorTimeout", Single<&TKV::ParamSensorTimeout>, 1},
    {"AlarmLevels",
     [](TKV& t, int32_t* v, int m) { return t.ParamAlarmLevels(v, v + 2, v + 4, v + 6, m); }, 8},
    {"AuxRelayCh2", Single<&TKV::ParamAuxRelayCh2>, 1},
    {"RemoteOutputTime", Single<&TKV::ParamRemoteOutputTime>, 1},
    {"ChannelLabels", Array<&TKV::ParamChannelLabels>, 32},
    {"Flows", [](TKV& t, int32_t* v, int m) { return t.ParamFlows(v, v + 2, v + 4, m); }, 6},
    {"FilterDueDates",
     [](TKV& t, int32_t* v, int m) { return t.ParamFilterDueDates(v, v + 2, v + 4, m); }, 6},
    {"AutoFanSpeed", Array<&TKV::ParamAutoFanSpeed>, 2},
    {"DaylightSaving", Single<&TKV::ParamDaylightSaving>, 1},
    {"DaylightDates",
     [](TKV& t, int32_t* v, int m) {
       return t.ParamDaylightDates(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], m);
     },
     8},
    {"LatchedFault", Single<&TKV::ParamLatchedFault>, 1},
    {"FaultDelay", Single<&TKV::ParamFaultDelay>, 1},
    {"FlowFaultDelay", Single<&TKV::ParamFlowFaultDelay>, 1},
    {"PowerRestartTime", Single<&TKV::ParamPowerRestartTime>, 1},
    {"ManualFanSpeed", Array<&TKV::ParamManualFanSpeed>, 2},
    {"AuxFaultEvents",
     [](TKV& t, int32_t* v, int m) {
       return t.ParamAuxFaultEvents(v[0], v[1], v[2], v[3], v[4], v[5], m);
     },
     6},
    {"AuxFaultLatched", Single<&TKV::ParamAuxFaultLatched>, 1},
    {"ExtInputNormalState", Single<&TKV::ParamExtInputNormalState>, 1},
    {"ExtInputEvent", Single<&TKV::ParamExtInputEvent>, 1},
    {"SensorDisableTime", Single<&TKV::ParamSensorDisableTime>, 1},
    {"Pressure",
     [](TKV& t, int32_t* v, int m) { return t.ParamPressure(v[0], v[1], v[2], v[3], m); }, 4},
};

const Param& Named(const std::string& name) {
  for (const Param& p : kParams)
    if (name == p.name) return p;
  throw std::invalid_argument("no accessor " + name);
}

struct Byte {
  int address;
  uint8_t value;
};
using Bytes = std::vector<Byte>;

// value[k] at first + k.
Bytes At(int first, std::initializer_list<uint8_t> values) {
  Bytes bytes;
  for (uint8_t v : values) bytes.push_back({first++, v});
  return bytes;
}

std::vector<int> Span(int first, int count) {
  std::vector<int> addresses(static_cast<size_t>(count));
  for (int& a : addresses) a = first++;
  return addresses;
}

Image Held(const TKV& tkv) {
  Image image;
  std::copy_n(tkv.HeldImage(), image.size(), image.begin());
  return image;
}

// "" when equal, else the bytes that differ, for a readable failure.
std::string Differences(const Image& expected, const Image& actual) {
  std::ostringstream out;
  for (size_t i = 0; i < expected.size(); ++i)
    if (expected[i] != actual[i])
      out << "byte " << i << ": " << int(actual[i]) << " instead of " << int(expected[i]) << "; ";
  return out.str();
}

// A detector connected through a real pseudo-terminal; prepare changes its
// EEPROM before the connection loads the image.
class Connection {
 public:
  explicit Connection(sim::DetectorOptions options = {},
                      void (*prepare)(sim::DeviceModel&) = nullptr)
      : port_(options) {
    if (prepare) port_.detector().WithModel(prepare);
    connected_ = tkv_.Connect(port_.number(), 0, 0, 0) == 1;
  }
  TKV& tkv() { return tkv_; }
  bool connected() const { return connected_; }

 private:
  testsupport::SimulatedPort port_;
  TKV tkv_;
  bool connected_;
};

// Mode 2 then mode 1 both accept; only mode 1 changes the image, by exactly
// `stored`; a get then reads the values back.
void ExpectAccepted(TKV& tkv, const Param& p, const Values& values, const Bytes& stored) {
  const Image before = Held(tkv);
  Values v = values;
  EXPECT_EQ(p.access(tkv, v.data(), kCheck), 1) << tkv.GetLastResult();
  EXPECT_EQ(Differences(before, Held(tkv)), "") << "mode 2 changed the image";
  EXPECT_EQ(p.access(tkv, v.data(), kSet), 1) << tkv.GetLastResult();
  Image expected = before;
  for (const Byte& b : stored) expected[static_cast<size_t>(b.address)] = b.value;
  EXPECT_EQ(Differences(expected, Held(tkv)), "");
  Values back(values.size(), 0);
  EXPECT_EQ(p.access(tkv, back.data(), kGet), 1);
  EXPECT_EQ(back, values);
}

// Modes 2 and 1 both refuse with 13 and leave every byte as it was.
void ExpectRefused(TKV& tkv, const Param& p, const Values& values) {
  const Image before = Held(tkv);
  for (int mode : {kCheck, kSet}) {
    Values v = values;
    EXPECT_EQ(p.access(tkv, v.data(), mode), 0) << "mode " << mode;
    EXPECT_EQ(tkv.GetLastResult(), kBadCall) << "mode " << mode;
    EXPECT_EQ(Differences(before, Held(tkv)), "") << "mode " << mode;
  }
}

// --- values with a range of their own, one byte each ---

struct RangeCase {
  const char* param;
  std::vector<int> addresses;  // of each value, in argument order
  int32_t min, max;
};

const RangeCase kRanges[] = {
    {"Password", Span(276, 4), 1, 9},
    {"DisableTime", {291}, 1, 240},
    {"MaintTimeout", {292}, 0, 30},
    {"TrendLogTime", {293}, 0, 240},
    {"MirrorLeds", {294}, 0, 1},
    {"Supplies", {295}, 1, 2},
    {"DayNight", {297}, 0, 1},
    {"NightWeekdays", Span(302, 7), 0, 1},
    {"CommonChamber", {349}, 1, 2},
    {"SounderCutoff", {350}, 0, 120},
    {"LbAlarmMode", {351}, 1, 2},
    {"LatchedAlarm", {352, 353}, 0, 1},
    {"PrealarmDelay", {354}, 0, 240},
    {"AlarmDelay", {355}, 0, 240},
    {"CascadeAlarm", {356}, 0, 1},
    {"SounderOnPrealarm", {357}, 0, 1},
    {"SensorTimeout", {358}, 0, 240},
    {"AlarmLevels", Span(359, 8), 1, 9},
    {"AuxRelayCh2", {367}, 0, 1},
    {"RemoteOutputTime", {370}, 1, 200},
    {"ChannelLabels", Span(372, 32), 32, 127},
    {"AutoFanSpeed", {422, 423}, 0, 1},
    {"DaylightSaving", {426}, 0, 2},
    {"LatchedFault", {437}, 0, 1},
    {"FaultDelay", {439}, 0, 240},
    {"FlowFaultDelay", {440}, 0, 240},
    {"PowerRestartTime", {442}, 0, 240},
    {"ManualFanSpeed", {454, 455}, 1, 10},
    {"AuxFaultEvents", Span(457, 6), 0, 1},
    {"AuxFaultLatched", {464}, 0, 1},
    {"ExtInputNormalState", {465}, 0, 1},
};

TEST(ParamRanges, ReadStoreAndRefuseAtEveryBoundary) {
  Connection c;
  ASSERT_TRUE(c.connected()) << c.tkv().GetLastResult();
  TKV& tkv = c.tkv();
  for (const RangeCase& r : kRanges) {
    SCOPED_TRACE(r.param);
    const Param& p = Named(r.param);
    const size_t n = r.addresses.size();

    const Image before = Held(tkv);
    Values got(n, 0);
    ASSERT_EQ(p.access(tkv, got.data(), kGet), 1) << tkv.GetLastResult();
    for (size_t i = 0; i < n; ++i) EXPECT_EQ(got[i], before[size_t(r.addresses[i])]) << i;
    EXPECT_EQ(Differences(before, Held(tkv)), "");

    for (int32_t bound : {r.min, r.max}) {
      Bytes stored;
      for (int a : r.addresses) stored.push_back({a, static_cast<uint8_t>(bound)});
      ExpectAccepted(tkv, p, Values(n, bound), stored);
    }
    // One bad value anywhere, the others good: nothing may be stored.
    for (size_t i = 0; i < n; ++i)
      for (int32_t bad : {r.min - 1, r.max + 1}) {
        Values v(n, r.min);
        v[i] = bad;
        SCOPED_TRACE("value " + std::to_string(i) + " = " + std::to_string(bad));
        ExpectRefused(tkv, p, v);
      }
  }
}

// --- rules between values, dates, and values not kept as one plain byte ---

struct ValueCase {
  const char* name;
  const char* param;
  Values values;
  bool accepted;
  Bytes stored;  // what an accepted call changes
};

void RunCases(TKV& tkv, const std::vector<ValueCase>& cases) {
  for (const ValueCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Param& p = Named(c.param);
    ASSERT_EQ(c.values.size(), size_t(p.valueCount));
    if (c.accepted)
      ExpectAccepted(tkv, p, c.values, c.stored);
    else
      ExpectRefused(tkv, p, c.values);
  }
}

// Holidays: the listed slots {slot, day, month}, every other slot empty.
Values Holidays(std::initializer_list<std::array<int32_t, 3>> slots) {
  Values v(40, 0);
  for (const auto& s : slots) {
    v[size_t(s[0])] = s[1];
    v[size_t(20 + s[0])] = s[2];
  }
  return v;
}

const std::vector<ValueCase> kValueCases = {
    // configuration stamp: id, day, month, year, hour, minute, second
    {"stamp on a leap day",
     "ConfigStamp",
     {9, 29, 2, 24, 23, 59, 59},
     true,
     At(280, {9, 29, 2, 24, 23, 59, 59})},
    {"stamp at the earliest",
     "ConfigStamp",
     {0, 1, 1, 11, 0, 0, 0},
     true,
     At(280, {0, 1, 1, 11, 0, 0, 0})},
    {"stamp at the latest",
     "ConfigStamp",
     {255, 31, 12, 99, 23, 59, 59},
     true,
     At(280, {255, 31, 12, 99, 23, 59, 59})},
    {"29 February of a common year", "ConfigStamp", {9, 29, 2, 23, 0, 0, 0}, false, {}},
    {"31 April", "ConfigStamp", {9, 31, 4, 23, 0, 0, 0}, false, {}},
    {"day 0", "ConfigStamp", {9, 0, 1, 23, 0, 0, 0}, false, {}},
    {"day 32", "ConfigStamp", {9, 32, 1, 23, 0, 0, 0}, false, {}},
    {"month 0", "ConfigStamp", {9, 1, 0, 23, 0, 0, 0}, false, {}},
    {"month 13", "ConfigStamp", {9, 1, 13, 23, 0, 0, 0}, false, {}},
    {"year 10", "ConfigStamp", {9, 1, 1, 10, 0, 0, 0}, false, {}},
    {"year 100", "ConfigStamp", {9, 1, 1, 100, 0, 0, 0}, false, {}},
    {"hour 24", "ConfigStamp", {9, 1, 1, 23, 24, 0, 0}, false, {}},
    {"minute 60", "ConfigStamp", {9, 1, 1, 23, 0, 60, 0}, false, {}},
    {"second 60", "ConfigStamp", {9, 1, 1, 23, 0, 0, 60}, false, {}},
    {"id beyond a byte", "ConfigStamp", {256, 1, 1, 23, 0, 0, 0}, false, {}},
    {"negative id", "ConfigStamp", {-1, 1, 1, 23, 0, 0, 0}, false, {}},

    // day times: start hour, start minute, end hour, end minute
    {"whole day", "DayTimes", {0, 0, 23, 59}, true, At(298, {0, 0, 23, 59})},
    {"one hour apart", "DayTimes", {22, 30, 23, 0}, true, At(298, {22, 30, 23, 0})},
    {"equal hours", "DayTimes", {8, 0, 8, 30}, false, {}},
    {"end before start", "DayTimes", {9, 0, 8, 0}, false, {}},
    {"end hour 24", "DayTimes", {8, 0, 24, 0}, false, {}},
    {"negative start hour", "DayTimes", {-1, 0, 18, 0}, false, {}},
    {"start minute 60", "DayTimes", {8, 60, 18, 0}, false, {}},
    {"end minute 60", "DayTimes", {8, 0, 18, 60}, false, {}},

    // holidays: day[20], month[20]
    {"holidays with a leap day", "Holidays", Holidays({{0, 1, 1}, {1, 29, 2}, {2, 31, 12}}), true,
     At(309, {1, 1, 29, 2, 31, 12})},
    {"empty slots", "Holidays", Holidays({{0, 0, 5}, {1, 7, 0}}), true,
     At(309, {0, 5, 7, 0, 0, 0})},
    {"last slot",
     "Holidays",
     Holidays({{19, 30, 11}}),
     true,
     {{309, 0}, {310, 0}, {311, 0}, {312, 0}, {313, 0}, {314, 0}, {347, 30}, {348, 11}}},
    {"30 February", "Holidays", Holidays({{0, 30, 2}}), false, {}},
    {"31 April holiday", "Holidays", Holidays({{0, 31, 4}}), false, {}},
    {"holiday day 32", "Holidays", Holidays({{0, 32, 1}}), false, {}},
    {"holiday month 13", "Holidays", Holidays({{0, 1, 13}}), false, {}},
    {"negative day in an empty slot", "Holidays", Holidays({{0, -1, 0}}), false, {}},
    {"month beyond a byte in an empty slot", "Holidays", Holidays({{0, 0, 256}}), false, {}},
    {"only the last slot bad", "Holidays", Holidays({{0, 1, 1}, {19, 31, 4}}), false, {}},

    // flows: reference[2], minimum[2], maximum[2]
    {"flows at their limits",
     "Flows",
     {2, 120, 1, 60, 250, 200},
     true,
     {{404, 2}, {406, 120}, {412, 1}, {414, 60}, {408, 250}, {410, 200}}},
    {"minimum equals reference", "Flows", {50, 100, 50, 70, 100, 130}, false, {}},
    {"reference equals maximum", "Flows", {130, 100, 70, 70, 130, 130}, false, {}},
    {"minimum above reference", "Flows", {100, 100, 110, 70, 130, 130}, false, {}},
    {"only channel 2 out of order", "Flows", {100, 100, 70, 100, 130, 130}, false, {}},
    {"maximum 251", "Flows", {100, 100, 70, 70, 251, 130}, false, {}},
    {"minimum 0", "Flows", {100, 100, 0, 70, 130, 130}, false, {}},

    // filter due dates: day[2], month[2], year[2]
    {"filter dates",
     "FilterDueDates",
     {29, 31, 2, 12, 24, 99},
     true,
     {{416, 29}, {417, 2}, {418, 24}, {419, 31}, {420, 12}, {421, 99}}},
    {"filter 29 February of a common year", "FilterDueDates", {29, 1, 2, 1, 25, 25}, false, {}},
    {"filter 2 month 13", "FilterDueDates", {1, 1, 1, 13, 25, 25}, false, {}},
    {"filter year 10", "FilterDueDates", {1, 1, 1, 1, 10, 25}, false, {}},

    // daylight saving: start day, month, hour, minute, then the end
    {"daylight dates",
     "DaylightDates",
     {25, 3, 2, 0, 28, 10, 3, 59},
     true,
     {{427, 25}, {428, 3}, {430, 2}, {431, 0}, {432, 28}, {433, 10}, {435, 3}, {436, 59}}},
    {"29 February starts no daylight saving",
     "DaylightDates",
     {29, 2, 2, 0, 28, 10, 3, 0},
     false,
     {}},
    {"end on 31 November", "DaylightDates", {25, 3, 2, 0, 31, 11, 3, 0}, false, {}},
    {"end hour 24 of daylight saving", "DaylightDates", {25, 3, 2, 0, 28, 10, 24, 0}, false, {}},
    {"start minute 60 of daylight saving",
     "DaylightDates",
     {25, 3, 2, 60, 28, 10, 3, 0},
     false,
     {}},

    // pressure: four bytes, least significant first
    {"lowest pressure", "Pressure", {150, 12, 1, 0}, true, At(472, {150, 12, 1, 0})},
    {"standard pressure", "Pressure", {205, 139, 1, 0}, true, At(472, {205, 139, 1, 0})},
    {"highest pressure", "Pressure", {176, 173, 1, 0}, true, At(472, {176, 173, 1, 0})},
    {"68757 Pa", "Pressure", {149, 12, 1, 0}, false, {}},
    {"110001 Pa", "Pressure", {177, 173, 1, 0}, false, {}},
    {"68758 Pa from a byte beyond 255", "Pressure", {406, 11, 1, 0}, false, {}},
    {"top byte set", "Pressure", {205, 139, 1, 1}, false, {}},

    {"power restart 255", "PowerRestartTime", {255}, true, {{442, 255}}},
    {"power restart 241", "PowerRestartTime", {241}, false, {}},
    {"power restart 254", "PowerRestartTime", {254}, false, {}},
    {"power restart 256", "PowerRestartTime", {256}, false, {}},

    // the disabling time is 16 bits, low byte first
    {"disabling 300 minutes", "SensorDisableTime", {300}, true, {{470, 44}, {471, 1}}},
    {"disabling 1 minute", "SensorDisableTime", {1}, true, {{470, 1}, {471, 0}}},
    {"disabling 256 minutes", "SensorDisableTime", {256}, true, {{470, 0}, {471, 1}}},
    {"disabling 1440 minutes", "SensorDisableTime", {1440}, true, {{470, 160}, {471, 5}}},
    {"disabling 0 minutes", "SensorDisableTime", {0}, false, {}},
    {"disabling 1441 minutes", "SensorDisableTime", {1441}, false, {}},

    // the external input event is one flag of four
    {"event 3", "ExtInputEvent", {3}, true, At(466, {0, 0, 0, 1})},
    {"event 0", "ExtInputEvent", {0}, true, At(466, {1, 0, 0, 0})},
    {"no event clears all four", "ExtInputEvent", {4}, true, At(466, {0, 0, 0, 0})},
    {"event 5", "ExtInputEvent", {5}, false, {}},
    {"event -1", "ExtInputEvent", {-1}, false, {}},
};

TEST(ParamValues, RulesBetweenValuesAndEncodings) {
  Connection c;
  ASSERT_TRUE(c.connected()) << c.tkv().GetLastResult();
  RunCases(c.tkv(), kValueCases);
}

// --- channel and sensor flags, by the unit's channel and sensor count ---

// A one-channel unit with a second sensor.
void SecondSensor(sim::DeviceModel& m) {
  m.SetEeprom(256, 2);  // sensor count
  m.SealChecksums();
}

struct Unit {
  const char* name;
  int channels;
  void (*prepare)(sim::DeviceModel&);
  std::vector<ValueCase> steps;  // in order: the sensor rules look at the stored channel flags
};

const Unit kUnits[] = {
    {"two channels",
     2,
     nullptr,
     {
         {"channel 2 off takes its sensor along",
          "ChannelEnable",
          {1, 0},
          true,
          At(287, {1, 0, 1, 0})},
         {"sensor of a disabled channel", "SensorEnable", {1, 1}, false, {}},
         {"sensors as their channels", "SensorEnable", {1, 0}, true, {}},
         {"no channel", "ChannelEnable", {0, 0}, false, {}},
         {"channel 1 off", "ChannelEnable", {0, 1}, true, At(287, {0, 1, 0, 1})},
         {"sensor 1 of a disabled channel", "SensorEnable", {1, 1}, false, {}},
         {"both channels", "ChannelEnable", {1, 1}, true, At(287, {1, 1, 1, 1})},
         {"sensor 2 off while its channel runs", "SensorEnable", {1, 0}, false, {}},
         {"channel flag 2", "ChannelEnable", {2, 1}, false, {}},
     }},
    {"one channel, one sensor",
     1,
     nullptr,
     {
         {"two channels on a one-channel unit", "ChannelEnable", {1, 1}, false, {}},
         {"channel 2 alone", "ChannelEnable", {0, 1}, false, {}},
         {"channel 1", "ChannelEnable", {1, 0}, true, {}},
         {"sensor 1", "SensorEnable", {1, 0}, true, {}},
         {"sensor 2 alone", "SensorEnable", {0, 1}, false, {}},
         {"both sensors", "SensorEnable", {1, 1}, false, {}},
         {"no sensor", "SensorEnable", {0, 0}, false, {}},
     }},
    {"one channel, two sensors",
     1,
     SecondSensor,
     {
         {"both sensors", "SensorEnable", {1, 1}, true, At(289, {1, 1})},
         {"sensor 2 alone", "SensorEnable", {0, 1}, true, At(289, {0, 1})},
         {"no sensor", "SensorEnable", {0, 0}, false, {}},
         // Sensors follow channels on two-channel units only.
         {"channel 1 leaves the sensors alone", "ChannelEnable", {1, 0}, true, {}},
     }},
};

TEST(ParamChannelsAndSensors, FollowTheUnitsChannelAndSensorCount) {
  for (const Unit& u : kUnits) {
    SCOPED_TRACE(u.name);
    sim::DetectorOptions options;
    options.channels = u.channels;
    Connection c(options, u.prepare);
    ASSERT_TRUE(c.connected()) << c.tkv().GetLastResult();
    RunCases(c.tkv(), u.steps);
  }
}

// --- reading what the detector stored ---

struct Read {
  const char* param;
  Values expected;
};

TEST(ParamReads, DecodeTheStoredBytes) {
  Connection c({}, [](sim::DeviceModel& m) {
    m.SetEeprom(283, 120);                  // a configuration year of 120
    const uint8_t events[] = {0, 1, 1, 0};  // more than one event flag set
    m.WriteEeprom(466, events, 4);
    m.SealChecksums();
  });
  ASSERT_TRUE(c.connected()) << c.tkv().GetLastResult();
  Values labels(32, ' ');  // blank-filled, no terminator
  std::copy_n("ZONE A", 6, labels.begin());
  std::copy_n("ZONE B", 6, labels.begin() + 16);
  const Read reads[] = {
      {"ConfigStamp", {7, 15, 3, 11, 10, 30, 0}},  // a year of 100 or more reads as 11
      {"ExtInputEvent", {1}},                      // the first set flag wins
      {"SensorDisableTime", {1440}},               // 160, 5
      {"Pressure", {205, 139, 1, 0}},
      {"ChannelLabels", labels},
  };
  for (const Read& r : reads) {
    SCOPED_TRACE(r.param);
    Values got(r.expected.size(), 0);
    EXPECT_EQ(Named(r.param).access(c.tkv(), got.data(), kGet), 1) << c.tkv().GetLastResult();
    EXPECT_EQ(got, r.expected);
  }
}

// Whatever an accessor reads from a configured detector, it takes back without
// changing a byte: reading and storing agree on every position and encoding.
TEST(ParamRoundTrip, EveryAccessorStoresWhatItReads) {
  Connection c;
  ASSERT_TRUE(c.connected()) << c.tkv().GetLastResult();
  const Image before = Held(c.tkv());
  for (const Param& p : kParams) {
    SCOPED_TRACE(p.name);
    Values v(size_t(p.valueCount), 0);
    ASSERT_EQ(p.access(c.tkv(), v.data(), kGet), 1) << c.tkv().GetLastResult();
    EXPECT_EQ(p.access(c.tkv(), v.data(), kCheck), 1) << c.tkv().GetLastResult();
    EXPECT_EQ(p.access(c.tkv(), v.data(), kSet), 1) << c.tkv().GetLastResult();
    EXPECT_EQ(Differences(before, Held(c.tkv())), "");
  }
}

TEST(ParamPassword, TheReservedCodeIsRefusedInEveryMode) {
  Connection c;
  ASSERT_TRUE(c.connected()) << c.tkv().GetLastResult();
  const Image before = Held(c.tkv());
  for (int mode : {kGet, kSet, kCheck}) {
    SCOPED_TRACE(mode);
    int32_t digits[4];
    std::copy_n(kReservedPassword, 4, digits);
    EXPECT_EQ(c.tkv().ParamPassword(digits, mode), 0);
    EXPECT_EQ(c.tkv().GetLastResult(), kBadCall);
    EXPECT_TRUE(std::equal(digits, digits + 4, kReservedPassword)) << "a refused get read";
    EXPECT_EQ(Differences(before, Held(c.tkv())), "");
  }
  Values nearMiss(kReservedPassword, kReservedPassword + 4);
  nearMiss[3] += 1;
  ExpectAccepted(c.tkv(), Named("Password"), nearMiss, At(276, {7, 3, 9, 2}));
}

// --- the guard every accessor passes first ---

struct Guard {
  const char* name;
  bool connect;
  void (*trouble)(sim::DetectorOptions&);
  int expected;
};

const Guard kGuards[] = {
    {"not connected", false, [](sim::DetectorOptions&) {}, 10},
    {"EEPROM not read", true, [](sim::DetectorOptions& o) { o.eepromNotRead = true; }, 20},
    {"wrong configuration", true, [](sim::DetectorOptions& o) { o.wrongConfiguration = true; }, 22},
    {"bad configuration area", true, [](sim::DetectorOptions& o) { o.badConfigChecksum = true; },
     22},
    {"bad factory area", true, [](sim::DetectorOptions& o) { o.badFactoryChecksum = true; }, 22},
};

TEST(ParamGuards, EveryAccessorRefusesBeforeLookingAtItsValues) {
  for (const Guard& g : kGuards) {
    SCOPED_TRACE(g.name);
    sim::DetectorOptions options;
    g.trouble(options);
    testsupport::SimulatedPort port(options);
    TKV tkv;
    if (g.connect) {
      ASSERT_EQ(tkv.Connect(port.number(), 0, 0, 0), 1) << tkv.GetLastResult();
    }
    for (const Param& p : kParams)
      for (int mode : {kGet, kSet, 3}) {  // the guard comes before the mode check
        SCOPED_TRACE(std::string(p.name) + " mode " + std::to_string(mode));
        Values v(size_t(p.valueCount), 1);
        EXPECT_EQ(p.access(tkv, v.data(), mode), 0);
        EXPECT_EQ(tkv.GetLastResult(), g.expected);
      }
  }
}

TEST(ParamGuards, ModesOutsideZeroToTwoAreRefused) {
  Connection c;
  ASSERT_TRUE(c.connected()) << c.tkv().GetLastResult();
  const Image before = Held(c.tkv());
  for (const Param& p : kParams)
    for (int mode : {-1, 3}) {
      SCOPED_TRACE(std::string(p.name) + " mode " + std::to_string(mode));
      Values v(size_t(p.valueCount), 1);
      EXPECT_EQ(p.access(c.tkv(), v.data(), mode), 0);
      EXPECT_EQ(c.tkv().GetLastResult(), kBadCall);
    }
  EXPECT_EQ(Differences(before, Held(c.tkv())), "");
}

}  // namespace
