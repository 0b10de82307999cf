// Actions, tests and the device clock: what goes on the wire, the argument
// checks that keep a request from leaving, and how refusals are reported.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "DeviceModel.h"
#include "SimulatedPort.h"
#include "TKV.h"

namespace {

using sim::FaultKind;

class Actions : public ::testing::Test {
 protected:
  void Connect(sim::DetectorOptions options = {}) {
    port = std::make_unique<testsupport::SimulatedPort>(options);
    ASSERT_EQ(tkv.Connect(port->number(), 0, 0, 0), 1) << tkv.GetLastResult();
    port->detector().ClearRequestLog();
  }
  // Code and P1, P2 of the one request sent, or empty when nothing was sent.
  std::vector<int> Sent() {
    auto log = port->detector().RequestLog();
    if (log.empty()) return {};
    EXPECT_EQ(log.size(), 1u);
    const auto& r = log.back();
    return {r[0], r[3], r[4]};
  }
  std::unique_ptr<testsupport::SimulatedPort> port;
  TKV tkv;
};

struct ActionCase {
  const char* name;
  std::function<int(TKV&)> run;
  std::vector<int> sent;  // code, P1, P2; empty: refused before sending
  int result;             // LastResult
};

TEST_F(Actions, RequestsAndArgumentChecks) {
  Connect();
  const std::vector<ActionCase> cases = {
      {"RestartMaintenance", [](TKV& t) { return t.RestartDevice(1); }, {29, 1, 0}, 0},
      {"Reset", [](TKV& t) { return t.ResetDevice(); }, {34, 3, 0}, 0},
      {"TestBothChannels", [](TKV& t) { return t.TestChannel(2); }, {34, 2, 0}, 0},
      {"TestChannel3", [](TKV& t) { return t.TestChannel(3); }, {}, 13},
      {"SoundersOffChannel2", [](TKV& t) { return t.SoundersOff(1); }, {34, 5, 0}, 0},
      {"SoundersOffNegative", [](TKV& t) { return t.SoundersOff(-1); }, {}, 13},
      {"Fan1", [](TKV& t) { return t.TestFan(0, 5); }, {27, 5, 11}, 0},
      {"Fan2", [](TKV& t) { return t.TestFan(1, 10); }, {27, 11, 10}, 0},
      {"EndFanTests", [](TKV& t) { return t.TestFan(2, 5); }, {27, 11, 11}, 0},
      {"FanSpeed11", [](TKV& t) { return t.TestFan(0, 11); }, {}, 13},
      {"Prealarm1OnStandAlone", [](TKV& t) { return t.SetRelay(6, 1); }, {33, 6, 1}, 0},
      {"AuxFaultOff", [](TKV& t) { return t.SetRelay(8, 0); }, {33, 8, 0}, 0},
      {"Relay9", [](TKV& t) { return t.SetRelay(9, 1); }, {}, 13},
      {"RelayState2", [](TKV& t) { return t.SetRelay(1, 2); }, {}, 13},
      {"ClearHours", [](TKV& t) { return t.ClearOperatingHours(); }, {23, 0, 0}, 0},
  };
  for (const ActionCase& c : cases) {
    port->detector().ClearRequestLog();
    EXPECT_EQ(c.run(tkv), c.sent.empty() ? 0 : 1) << c.name;
    EXPECT_EQ(tkv.GetLastResult(), c.result) << c.name;
    EXPECT_EQ(Sent(), c.sent) << c.name;
  }
}

TEST_F(Actions, PrealarmRelaysExistOnAStandAloneUnitOnly) {
  sim::DetectorOptions loop;
  loop.variant = sim::Variant::LoopBased;
  Connect(loop);
  EXPECT_EQ(tkv.SetRelay(6, 1), 0);
  EXPECT_EQ(tkv.GetLastResult(), 13);
  EXPECT_EQ(tkv.SetRelay(7, 0), 0);
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(tkv.SetRelay(5, 1), 1);
}

TEST_F(Actions, ClockDates) {
  Connect();
  struct Case {
    int day, month, year;
    bool valid;
  };
  for (const Case& c : {Case{29, 2, 12, true}, Case{29, 2, 13, false}, Case{28, 2, 13, true},
                        Case{1, 1, 10, false}, Case{1, 1, 100, false}, Case{31, 4, 24, false},
                        Case{31, 12, 99, true}, Case{0, 1, 20, false}}) {
    port->detector().ClearRequestLog();
    EXPECT_EQ(tkv.SetClock(c.day, c.month, c.year, 23, 59, 30), c.valid ? 1 : 0)
        << c.day << "/" << c.month << "/" << c.year;
    EXPECT_EQ(tkv.GetLastResult(), c.valid ? 0 : 13);
    if (!c.valid) {
      EXPECT_TRUE(port->detector().RequestLog().empty());
      continue;
    }
    int32_t d = 0, mo = 0, y = 0, h = 0, mi = 0, s = 0;
    ASSERT_EQ(tkv.ReadClock(d, mo, y, h, mi, s), 1);
    EXPECT_EQ((std::vector<int>{d, mo, y, h}), (std::vector<int>{c.day, c.month, c.year, 23}));
  }
}

TEST_F(Actions, DayMonthOfHolidays) {
  struct Case {
    int day, month;
    bool valid;
  };
  for (const Case& c : {Case{0, 0, true}, Case{25, 0, true}, Case{29, 2, true},
                        Case{30, 2, false}, Case{31, 4, false}, Case{31, 12, true},
                        Case{32, 1, false}, Case{1, 13, false}})
    EXPECT_EQ(TKV::IsValidDayMonth(c.day, c.month), c.valid) << c.day << "/" << c.month;
}

TEST_F(Actions, RefusalsKeepTheirCodes) {
  Connect();
  port->detector().InjectFault({FaultKind::Refuse, 20, 1});
  EXPECT_EQ(tkv.SetClock(1, 1, 20, 0, 0, 0), 0);
  EXPECT_EQ(tkv.GetLastResult(), 24);
  port->detector().InjectFault({FaultKind::Refuse, 19, 1});
  int32_t d, mo, y, h, mi, s;
  EXPECT_EQ(tkv.ReadClock(d, mo, y, h, mi, s), 0);
  EXPECT_EQ(tkv.GetLastResult(), 24);
  port->detector().InjectFault({FaultKind::Refuse, 33, 1});
  EXPECT_EQ(tkv.SetRelay(1, 1), 0);
  EXPECT_EQ(tkv.GetLastResult(), 8);
  TKV quick;
  testsupport::SimulatedPort silent;
  silent.detector().InjectFault({FaultKind::Silent, 34, 1});
  ASSERT_EQ(quick.Connect(silent.number(), 20, 50, 2), 1);
  EXPECT_EQ(quick.ResetDevice(), 0);
  EXPECT_EQ(quick.GetLastResult(), 4) << "transport failures pass unchanged";
}

TEST_F(Actions, AWronglyConfiguredDetectorIsNotDisturbed) {
  sim::DetectorOptions wrong;
  wrong.wrongConfiguration = true;
  Connect(wrong);
  EXPECT_EQ(tkv.ResetDevice(), 0);
  EXPECT_EQ(tkv.GetLastResult(), 19);
  int32_t d, mo, y, h, mi, s;
  EXPECT_EQ(tkv.ReadClock(d, mo, y, h, mi, s), 0);
  EXPECT_EQ(tkv.GetLastResult(), 19);
  EXPECT_TRUE(Sent().empty());

  TKV never;
  EXPECT_EQ(never.TestFan(0, 1), 0);
  EXPECT_EQ(never.GetLastResult(), 10);
}

}  // namespace
