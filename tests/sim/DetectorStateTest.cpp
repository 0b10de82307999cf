// What the detector reports about itself: status flags, live state, log, clock.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "RunningDetector.h"

namespace simtest {
namespace {

struct StatusCase {
  const char* name;
  std::function<void(sim::DetectorOptions&)> set;
  Bytes status;  // EepromRead, FCT, CFG, LOB ok, unused, WrongConfiguration, SuperUser
};

TEST(DetectorState, EepromStatusFollowsEachFlag) {
  const StatusCase cases[] = {
      {"healthy", [](sim::DetectorOptions&) {}, {1, 1, 1, 1, 0, 0, 0}},
      {"EEPROM not read", [](auto& o) { o.eepromNotRead = true; }, {0, 0, 0, 0, 0, 0, 0}},
      {"wrong configuration", [](auto& o) { o.wrongConfiguration = true; }, {1, 1, 1, 1, 0, 1, 0}},
      {"bad [FCT]", [](auto& o) { o.badFactoryChecksum = true; }, {1, 0, 1, 1, 0, 0, 0}},
      {"bad [CFG]", [](auto& o) { o.badConfigChecksum = true; }, {1, 1, 0, 1, 0, 0, 0}},
      {"bad [LOB]", [](auto& o) { o.badLoopChecksum = true; }, {1, 1, 1, 0, 0, 0, 0}},
  };
  for (const StatusCase& c : cases) {
    sim::DetectorOptions options;
    c.set(options);
    RunningDetector d(options);
    EXPECT_EQ(AnswerData(d.line->Exchange(RequestFrame(32), 9)), c.status) << c.name;
  }
}

// A byte written over the wire counts: the status is worked out from the EEPROM as it is.
TEST(DetectorState, StatusSeesAreasDamagedAndRestored) {
  RunningDetector d;
  ASSERT_EQ(d.line->Exchange(WriteMemoryRequest(300, {0xEE}), 1), Bytes{1});
  EXPECT_EQ(AnswerData(d.line->Exchange(RequestFrame(32), 9))[2], 0) << "[CFG] now broken";
  EXPECT_EQ(d.line->Exchange(RequestFrame(31), 1), Bytes{0}) << "no backup of a broken area";
  EXPECT_EQ(d.line->Exchange(RequestFrame(28, {3}), 1), Bytes{1});
  EXPECT_EQ(AnswerData(d.line->Exchange(RequestFrame(32), 9))[2], 1) << "[CFG] restored";
  d.detector.WithModel([](sim::DeviceModel& m) { m.SetSuperUser(true); });
  EXPECT_EQ(AnswerData(d.line->Exchange(RequestFrame(32), 9))[6], 1);
}

TEST(DetectorState, HealthyTwoChannelState) {
  RunningDetector d;
  Bytes s = AnswerData(d.line->Exchange(RequestFrame(30), 76));
  ASSERT_EQ(s.size(), 74u);
  Bytes header = ReadEeprom(d, 1024, 64);
  for (int ch = 0; ch < 2; ++ch) {
    const uint8_t* c = &s[static_cast<size_t>(6 * ch)];
    EXPECT_EQ(c[0], 1) << "enabled, channel " << ch + 1;
    EXPECT_EQ(c[1], 1) << "sensor enabled";
    EXPECT_EQ(c[2] + c[3], 0) << "no alarm, no prealarm";
    EXPECT_NE(c[4], 0) << "flow";
    EXPECT_NE(c[5], 0) << "fan speed";
    EXPECT_NEAR(s[static_cast<size_t>(69 + ch)], 150, 10) << "flow temperature";
  }
  EXPECT_NEAR(s[12], 140, 5) << "supply 1 about 24 V";
  EXPECT_NEAR(s[68], 150, 10) << "internal temperature about 25 °C";
  EXPECT_EQ(Bytes(s.begin() + 14, s.begin() + 54), Bytes(40, 0)) << "no faults";
  EXPECT_EQ(Bytes(s.begin() + 54, s.begin() + 58), Bytes(header.begin(), header.begin() + 4))
      << "operating hours";
  EXPECT_EQ(s[72], 1) << "stand alone: last poll normal";
}

TEST(DetectorState, OneChannelLeavesChannelTwoIdle) {
  sim::DetectorOptions options;
  options.channels = 1;
  RunningDetector d(options);
  Bytes s = AnswerData(d.line->Exchange(RequestFrame(30), 76));
  ASSERT_EQ(s.size(), 74u);
  EXPECT_NE(s[4], 0);
  EXPECT_EQ(Bytes(s.begin() + 6, s.begin() + 12), Bytes(6, 0));
  EXPECT_EQ(s[70], 0) << "no flow temperature on channel 2";
  EXPECT_EQ(s[73], 0);
}

TEST(DetectorState, CraftedStateIsAnsweredAsSet) {
  RunningDetector d;
  sim::StateBytes crafted{};
  for (size_t i = 0; i < crafted.size(); ++i) crafted[i] = static_cast<uint8_t>(200 - i);
  d.detector.WithModel([&](sim::DeviceModel& m) { m.SetState(crafted); });
  EXPECT_EQ(AnswerData(d.line->Exchange(RequestFrame(30), 76)),
            Bytes(crafted.begin(), crafted.end()));
}

TEST(DetectorState, RestartQueryAndHeaderByte7) {
  sim::DetectorOptions options;
  options.restartPending = 1;
  options.restartToMaintenance = true;
  RunningDetector d(options);
  EXPECT_EQ(d.line->Exchange(RequestFrame(35), 3), Bytes({1, 1, 9}));
  EXPECT_EQ(ReadEeprom(d, 1031, 1), Bytes{1});
  Bytes header = ReadEeprom(d, 1024, 64);
  EXPECT_EQ(header[63], AreaSum(header, 0, 62, 7));
}

// Every written slot must look like something the detector would have logged.
void ExpectRealisticEntries(const Bytes& log, int entries, int channels) {
  const std::set<int> known = {7,  10, 11, 12, 13, 14, 17,  18,  19,  27,  35,  36, 37,
                               38, 40, 42, 46, 48, 50, 109, 123, 136, 159, 173, 186};
  for (int i = 0; i < entries; ++i) {
    const uint8_t* e = &log[static_cast<size_t>(14 * i)];
    ASSERT_TRUE(known.count(e[0])) << "entry " << i << " event " << int(e[0]);
    ASSERT_TRUE(e[1] >= 1 && e[1] <= 31 && e[2] >= 1 && e[2] <= 12 && e[4] < 24 && e[5] < 60 &&
                e[6] < 60)
        << "entry " << i << " date";
    ASSERT_NEAR(e[7], 150, 10) << "entry " << i << " temperature";
    ASSERT_GT(e[8], 100) << "entry " << i << " supply";
    ASSERT_NE(e[10], 0) << "entry " << i << " flow 1";
    ASSERT_EQ(e[11] == 0, channels == 1) << "entry " << i << " flow 2";
  }
}

TEST(DetectorState, NormalLogHasRealisticEntries) {
  sim::DetectorOptions options;
  options.channels = 1;
  RunningDetector d(options);
  Bytes header = ReadEeprom(d, 1024, 64);
  int newest = header[4] | header[5] << 8;  // the count is the newest entry's index
  ASSERT_GT(newest, 10);
  ASSERT_LT(newest, 2244);
  EXPECT_EQ(header[6], 0);
  ExpectRealisticEntries(ReadEeprom(d, 1088, 14 * (newest + 1)), newest + 1, 1);
  EXPECT_EQ(ReadEeprom(d, 1088 + 14 * (newest + 1), 14), Bytes(14, 0xFF)) << "unwritten slot";
}

TEST(DetectorState, FullLogFillsEverySlot) {
  sim::DetectorOptions options;
  options.log = sim::LogFill::Full;
  RunningDetector d(options);
  Bytes header = ReadEeprom(d, 1024, 64);
  EXPECT_EQ(header[4] | header[5] << 8, 2243);
  EXPECT_EQ(header[6], 1);
  EXPECT_EQ(header[63], AreaSum(header, 0, 62, 7));
  Bytes log;
  for (int address = 1088; address < 1088 + 2244 * 14; address += 1024) {
    Bytes block = ReadEeprom(d, address, std::min(1024, 1088 + 2244 * 14 - address));
    log.insert(log.end(), block.begin(), block.end());
  }
  ExpectRealisticEntries(log, 2244, 2);
}

TEST(DetectorState, ClearLogBlanksItAndKeepsTheHeaderValid) {
  RunningDetector d;
  Bytes before = ReadEeprom(d, 1024, 64);
  ASSERT_EQ(d.line->Exchange(RequestFrame(22), 1), Bytes{1});
  Bytes after = ReadEeprom(d, 1024, 64);
  EXPECT_EQ(after[4], 255);
  EXPECT_EQ(after[5], 255) << "blank log";
  EXPECT_EQ(after[6], 0);
  EXPECT_EQ(after[63], AreaSum(after, 0, 62, 7));
  EXPECT_EQ(Bytes(after.begin(), after.begin() + 4), Bytes(before.begin(), before.begin() + 4))
      << "operating hours kept";
  EXPECT_EQ(ReadEeprom(d, 1088, 14), Bytes(14, 0xFF));
}

TEST(DetectorState, LogHeaderFlagsOfTheOptions) {
  sim::DetectorOptions blank;
  blank.log = sim::LogFill::Blank;
  RunningDetector b(blank);
  EXPECT_EQ(ReadEeprom(b, 1029, 1), Bytes{255});

  sim::DetectorOptions bad;
  bad.badLogHeaderChecksum = true;
  RunningDetector h(bad);
  Bytes header = ReadEeprom(h, 1024, 64);
  EXPECT_NE(header[63], AreaSum(header, 0, 62, 7));
}

TEST(DetectorState, ClockIsSetAndRead) {
  RunningDetector d;
  EXPECT_EQ(d.line->Exchange(RequestFrame(20, {}, {29, 2, 12, 23, 59, 30}), 1), Bytes{1});
  Bytes clock = AnswerData(d.line->Exchange(RequestFrame(19), 9));
  ASSERT_EQ(clock.size(), 7u);
  EXPECT_EQ(Bytes(clock.begin(), clock.begin() + 5), Bytes({29, 2, 12, 23, 59}));
  EXPECT_EQ(d.line->Exchange(RequestFrame(20, {}, {29, 2, 13, 0, 0, 0}), 1), Bytes{0})
      << "no 29 February in 2013";
}

}  // namespace
}  // namespace simtest
