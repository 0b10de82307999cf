// The detector's actions: relays, channel tests, reset, sounders, fan tests,
// restart and the operating hours, as the state answer and the EEPROM show them.
#include <gtest/gtest.h>

#include "RunningDetector.h"

namespace simtest {
namespace {

// Positions in the 74 state bytes.
size_t Alarm(int ch) { return static_cast<size_t>(6 * ch + 2); }
size_t Flow(int ch) { return static_cast<size_t>(6 * ch + 4); }
size_t Fan(int ch) { return static_cast<size_t>(6 * ch + 5); }
size_t Relay(int n) { return static_cast<size_t>(59 + n); }  // Relay[n] of the state report

Bytes Command(RunningDetector& d, uint8_t code, std::vector<uint8_t> params) {
  return d.line->Exchange(RequestFrame(code, std::move(params)), 1);
}

sim::DetectorOptions LoopBased() {
  sim::DetectorOptions options;
  options.variant = sim::Variant::LoopBased;
  return options;
}

TEST(DetectorActions, RefusalsChangeNothing) {
  struct Case {
    const char* name;
    uint8_t code;
    std::vector<uint8_t> params;
  } cases[] = {
      {"fan 1 setting 12", 27, {12, 11}},
      {"fan 2 setting 255", 27, {5, 255}},
      {"restart mode 2", 29, {2}},
      {"relay 0", 33, {0, 1}},
      {"relay 9", 33, {9, 1}},
      {"relay state 2", 33, {1, 2}},
      {"prealarm 1 relay on a loop-based detector", 33, {6, 1}},
      {"prealarm 2 relay on a loop-based detector", 33, {7, 1}},
      {"action 7", 34, {7}},
  };
  RunningDetector d(LoopBased());
  const Bytes state = ReadState(d);
  const Bytes header = ReadEeprom(d, 1024, 64);
  for (const Case& c : cases) {
    EXPECT_EQ(Command(d, c.code, c.params), Bytes{0}) << c.name;
    EXPECT_EQ(ReadState(d), state) << c.name;
  }
  EXPECT_EQ(ReadEeprom(d, 1024, 64), header) << "nothing logged, byte 7 untouched";
  EXPECT_EQ(Command(d, 33, {5, 1}), Bytes{1}) << "the fault relay is on every variant";
}

// Relay n must come back as the Relay[n] the state report prints for it.
TEST(DetectorActions, EachRelayShowsInItsStateByte) {
  RunningDetector d;  // stand alone: all eight relays
  const Bytes idle = ReadState(d);
  for (int relay = 1; relay <= 8; ++relay) {
    ASSERT_EQ(Command(d, 33, {static_cast<uint8_t>(relay), 1}), Bytes{1}) << relay;
    Bytes on = ReadState(d);
    Bytes expected = idle;
    expected[Relay(relay)] = 1;
    EXPECT_EQ(on, expected) << "relay " << relay << " alone set";
    ASSERT_EQ(Command(d, 33, {static_cast<uint8_t>(relay), 0}), Bytes{1}) << relay;
    EXPECT_EQ(ReadState(d), idle) << "relay " << relay << " reset";
  }
}

TEST(DetectorActions, ChannelTestSoundersOffAndReset) {
  RunningDetector d;
  const Bytes idle = ReadState(d);
  ASSERT_EQ(Command(d, 33, {5, 1}), Bytes{1}) << "fault relay on";
  ASSERT_EQ(Command(d, 34, {2}), Bytes{1}) << "test both channels";
  Bytes s = ReadState(d);
  for (int ch = 0; ch < 2; ++ch) EXPECT_EQ(s[Alarm(ch)], 1) << "channel " << ch + 1 << " in alarm";
  for (int relay : {1, 2, 3, 4}) EXPECT_EQ(s[Relay(relay)], 1) << "relay " << relay;

  ASSERT_EQ(Command(d, 34, {4}), Bytes{1}) << "sounders off, channel 1";
  s = ReadState(d);
  EXPECT_EQ(s[Relay(3)], 0);
  EXPECT_EQ(s[Relay(4)], 1);
  EXPECT_EQ(s[Alarm(0)], 1) << "the alarm goes on without its sounder";
  ASSERT_EQ(Command(d, 34, {6}), Bytes{1}) << "sounders off, both";
  EXPECT_EQ(ReadState(d)[Relay(4)], 0);

  ASSERT_EQ(Command(d, 34, {3}), Bytes{1}) << "reset";
  Bytes expected = idle;
  expected[Relay(5)] = 1;
  EXPECT_EQ(ReadState(d), expected) << "alarms and their relays end; the fault relay stays";

  ASSERT_EQ(Command(d, 34, {1}), Bytes{1}) << "test channel 2";
  s = ReadState(d);
  EXPECT_EQ(s[Alarm(0)], 0);
  EXPECT_EQ(s[Alarm(1)], 1);
}

TEST(DetectorActions, OneChannelDetectorHasNoChannelTwoToTest) {
  sim::DetectorOptions options;
  options.channels = 1;
  RunningDetector d(options);
  const Bytes idle = ReadState(d);
  EXPECT_EQ(Command(d, 34, {1}), Bytes{1});
  EXPECT_EQ(Command(d, 27, {11, 7}), Bytes{1});
  EXPECT_EQ(ReadState(d), idle);
}

TEST(DetectorActions, FanTestsDriveTheFlowUntilBothSettingsAre11) {
  RunningDetector d;
  const Bytes idle = ReadState(d);
  ASSERT_GT(idle[Fan(0)], 1);
  ASSERT_LT(idle[Fan(0)], 10);

  ASSERT_EQ(Command(d, 27, {10, 11}), Bytes{1}) << "fan 1 at 10";
  Bytes s = ReadState(d);
  EXPECT_EQ(s[Fan(0)], 10);
  EXPECT_GT(s[Flow(0)], idle[Flow(0)]) << "more air";
  EXPECT_EQ(s[Fan(1)], idle[Fan(1)]) << "fan 2 untouched";
  EXPECT_EQ(s[Flow(1)], idle[Flow(1)]);

  ASSERT_EQ(Command(d, 27, {11, 1}), Bytes{1}) << "fan 1 left at 10, fan 2 at 1";
  s = ReadState(d);
  EXPECT_EQ(s[Fan(0)], 10);
  EXPECT_EQ(s[Fan(1)], 1);
  EXPECT_LT(s[Flow(1)], idle[Flow(1)]) << "less air";

  ASSERT_EQ(Command(d, 27, {11, 11}), Bytes{1}) << "every fan test ends";
  EXPECT_EQ(ReadState(d), idle);
}

TEST(DetectorActions, RestartLogsItsInitialisationAndRunsHealthy) {
  struct Case {
    const char* name;
    sim::LogFill log;
    bool fullAfter;
  } cases[] = {
      {"normal log", sim::LogFill::Normal, false},
      {"blank log: the first entry", sim::LogFill::Blank, false},
      {"full log: goes round to entry 0", sim::LogFill::Full, true},
  };
  for (const Case& c : cases) {
    sim::DetectorOptions options;
    options.log = c.log;
    options.restartPending = 1;
    RunningDetector d(options);
    const Bytes idle = ReadState(d);
    const Bytes before = ReadEeprom(d, 1024, 64);
    const int newest = before[5] == 255 ? -1 : before[4] | before[5] << 8;
    const int expected = newest + 1 == 2244 ? 0 : newest + 1;
    ASSERT_EQ(Command(d, 34, {0}), Bytes{1});
    ASSERT_EQ(Command(d, 27, {3, 3}), Bytes{1});

    ASSERT_EQ(Command(d, 29, {1}), Bytes{1}) << c.name;
    Bytes header = ReadEeprom(d, 1024, 64);
    EXPECT_EQ(header[4] | header[5] << 8, expected) << c.name;
    EXPECT_EQ(header[6], c.fullAfter ? 1 : 0) << c.name;
    EXPECT_EQ(header[7], 1) << c.name << ": restart to maintenance";
    EXPECT_EQ(header[63], AreaSum(header, 0, 62, 7)) << c.name;
    EXPECT_EQ(Bytes(header.begin(), header.begin() + 4), Bytes(before.begin(), before.begin() + 4))
        << c.name << ": operating hours kept";
    Bytes entry = ReadEeprom(d, 1088 + 14 * expected, 14);
    EXPECT_EQ(entry[0], 7) << c.name << ": \"Device initialization\"";
    EXPECT_TRUE(entry[1] >= 1 && entry[1] <= 31 && entry[2] >= 1 && entry[2] <= 12) << c.name;
    EXPECT_EQ(entry[10], idle[Flow(0)]) << c.name << ": the healthy flow";
    EXPECT_EQ(ReadState(d), idle) << c.name << ": test and fan test are over";
    EXPECT_EQ(d.line->Exchange(RequestFrame(35), 3), Bytes({1, 0, 8}))
        << c.name << ": no restart pending";

    ASSERT_EQ(Command(d, 29, {0}), Bytes{1}) << c.name;
    header = ReadEeprom(d, 1024, 64);
    EXPECT_EQ(header[7], 0) << c.name << ": normal restart";
    EXPECT_EQ(header[4] | header[5] << 8, expected + 1) << c.name;
  }
}

TEST(DetectorActions, ClearOperatingHoursKeepsTheRestOfTheHeader) {
  RunningDetector d;
  const Bytes before = ReadEeprom(d, 1024, 64);
  ASSERT_NE(Bytes(before.begin(), before.begin() + 4), Bytes(4, 0));
  ASSERT_EQ(Command(d, 23, {}), Bytes{1});
  Bytes after = ReadEeprom(d, 1024, 64);
  EXPECT_EQ(Bytes(after.begin(), after.begin() + 4), Bytes(4, 0));
  EXPECT_EQ(Bytes(after.begin() + 4, after.begin() + 63),
            Bytes(before.begin() + 4, before.begin() + 63));
  EXPECT_EQ(after[63], AreaSum(after, 0, 62, 7));
  Bytes s = ReadState(d);
  EXPECT_EQ(Bytes(s.begin() + 54, s.begin() + 58), Bytes(4, 0)) << "the state shows it";
}

}  // namespace
}  // namespace simtest
