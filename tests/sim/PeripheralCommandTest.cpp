// The raw inputs and outputs of the detector: analogue channels, fan DAC,
// ultrasonic timer, buttons, input, cover, remotes, sounders, isolator,
// forced log entries and the stand-alone loop, over the line as the tool sees them.
#include <gtest/gtest.h>

#include <thread>

#include "CommandLine.h"
#include "RunningDetector.h"

namespace simtest {
namespace {

using namespace std::chrono_literals;

// The answer data of a raw command with the given parameters and answer length M.
Bytes Raw(RunningDetector& d, uint8_t code, std::vector<uint8_t> params, size_t m) {
  const Bytes answer = d.line->Exchange(RequestFrame(code, std::move(params)), m ? m + 2 : 1);
  if (m == 0) return answer;
  return AnswerData(answer);
}

int Word(const Bytes& b, size_t at) { return b[at] | b[at + 1] << 8; }

int Adc(RunningDetector& d, int channel) {
  const Bytes b = Raw(d, 9, {static_cast<uint8_t>(channel)}, 2);
  return b.size() == 2 ? Word(b, 0) : -1;
}

int Ultra(RunningDetector& d, int way) {
  const Bytes b = Raw(d, 11, {static_cast<uint8_t>(way)}, 2);
  return b.size() == 2 ? Word(b, 0) : -1;
}

bool Ok(const Bytes& answer) { return answer == Bytes{1}; }

template <class F>
auto Model(RunningDetector& d, F f) {
  return d.detector.WithModel(f);
}

TEST(Peripherals, HealthyAnalogueChannelsSitInTheFactoryTestRanges) {
  struct Case {
    int channel, minimum, maximum;
  } cases[] = {
      {0, 480, 540}, {1, 480, 540}, {2, 218, 245}, {3, 218, 245}, {4, 218, 245},
      {7, 660, 695}, {8, 660, 695},
  };
  RunningDetector d;
  for (const Case& c : cases) {
    const int value = Adc(d, c.channel);
    EXPECT_GE(value, c.minimum) << "channel " << c.channel;
    EXPECT_LE(value, c.maximum) << "channel " << c.channel;
  }
  EXPECT_EQ(Raw(d, 9, {9}, 2), Bytes{}) << "there is no channel 9";

  sim::DetectorOptions unloaded;
  unloaded.soundersUnloaded = true;
  RunningDetector open(unloaded);
  for (int channel : {0, 1}) {
    EXPECT_GE(Adc(open, channel), 1020) << "open line " << channel;
    EXPECT_LE(Adc(open, channel), 1024) << "open line " << channel;
  }
}

// The fan test speeds of the factory test and the fan feedback it expects.
TEST(Peripherals, FanFeedbackFollowsTheFanTestAndTheDac) {
  struct Case {
    uint8_t speed;
    int minimum, maximum;
  } cases[] = {{0, 0, 10}, {1, 510, 560}, {5, 640, 690}, {10, 790, 840}};
  RunningDetector d;
  for (const Case& c : cases) {
    ASSERT_TRUE(Ok(Raw(d, 27, {c.speed, c.speed}, 0)));
    for (int channel : {5, 6}) {
      EXPECT_GE(Adc(d, channel), c.minimum) << "speed " << int(c.speed);
      EXPECT_LE(Adc(d, channel), c.maximum) << "speed " << int(c.speed);
    }
  }

  ASSERT_TRUE(Ok(Raw(d, 8, {100, 200, 0}, 0)));
  const int low = Adc(d, 5), high = Adc(d, 6);
  EXPECT_GT(low, 0);
  EXPECT_GT(high, low) << "fan 2 driven harder";
  const Bytes driven = ReadState(d);

  ASSERT_TRUE(Ok(Raw(d, 8, {100, 200, 1}, 0))) << "stop flag";
  EXPECT_EQ(Adc(d, 5), 0);
  EXPECT_EQ(Adc(d, 6), 0);
  const Bytes stopped = ReadState(d);
  EXPECT_GT(driven[4], 0);
  EXPECT_EQ(stopped[4], 0) << "no flow without the fan";
  EXPECT_EQ(stopped[10], 0);
  EXPECT_EQ(Raw(d, 8, {1, 1, 2}, 0), Bytes{0});

  ASSERT_TRUE(Ok(Raw(d, 27, {10, 11}, 0))) << "a fan test takes fan 1 back from the DAC";
  EXPECT_GE(Adc(d, 5), 790);
  EXPECT_EQ(Adc(d, 6), 0) << "fan 2 left as it is";
  ASSERT_TRUE(Ok(Raw(d, 27, {11, 11}, 0))) << "every fan test ends";
  EXPECT_GE(Adc(d, 6), 640) << "fan 2 back at its configured speed";
}

TEST(Peripherals, SoundersFollowTheirRelays) {
  RunningDetector d;
  ASSERT_TRUE(Ok(Raw(d, 33, {3, 1}, 0)));  // sounder 1 relay
  const Bytes s = Raw(d, 17, {}, 6);
  ASSERT_EQ(s.size(), 6u);
  EXPECT_EQ(s[0], 1);
  EXPECT_EQ(s[1], 0);
  EXPECT_EQ(Word(s, 2), Adc(d, 0));
  EXPECT_EQ(Word(s, 4), Adc(d, 1));
  EXPECT_GT(Word(s, 2), 540) << "a driven line reads above the idle range";
  EXPECT_LE(Word(s, 4), 540);
}

TEST(Peripherals, RemoteOutputsFollowTheChannelAlarms) {
  RunningDetector d;
  EXPECT_EQ(Raw(d, 15, {}, 4), (Bytes{0, 0, 0, 0}));
  ASSERT_TRUE(Ok(Raw(d, 34, {1}, 0)));  // test channel 2
  EXPECT_EQ(Raw(d, 15, {}, 4), (Bytes{0, 0, 1, 1}));
}

TEST(Peripherals, UltrasonicCountsSettleAfterAFlowChange) {
  RunningDetector d;
  const int still = Ultra(d, 0);
  EXPECT_GT(still, 0);
  for (int i = 0; i < 10; ++i) EXPECT_LE(std::abs(Ultra(d, 0) - still), 2) << "steady reading " << i;
  EXPECT_GT(Ultra(d, 1), still) << "upstream takes longer";

  ASSERT_TRUE(Ok(Raw(d, 8, {0, 0, 1}, 0)));  // no flow: downstream gets slower
  std::vector<int> after;
  for (int i = 0; i < 40; ++i) after.push_back(Ultra(d, 0));
  EXPECT_GT(after[1] - after[0], 2) << "the first measurements move";
  for (size_t i = 30; i + 1 < after.size(); ++i)
    EXPECT_LE(std::abs(after[i + 1] - after[i]), 2) << "settled by measurement " << i;
  EXPECT_GT(after.back(), still + 20);

  sim::DetectorOptions one;
  one.channels = 1;
  RunningDetector single(one);
  EXPECT_EQ(Ultra(single, 2), 0) << "no channel 2: no measurement";
  EXPECT_EQ(Raw(single, 11, {4}, 2), Bytes{});
}

TEST(Peripherals, QueuedAndUnsettledUltrasonicCounts) {
  sim::DetectorOptions options;
  options.unsettledDensity = true;
  RunningDetector d(options);
  Model(d, [](sim::DeviceModel& m) { m.peripherals().QueueUltraCounts(2, {48, 0, 65535}); });
  EXPECT_EQ(Ultra(d, 2), 48);
  EXPECT_EQ(Ultra(d, 2), 0);
  EXPECT_EQ(Ultra(d, 2), 65535);
  int previous = Ultra(d, 2);
  for (int i = 0; i < 10; ++i) {
    const int next = Ultra(d, 2);
    EXPECT_GT(std::abs(next - previous), 15) << "too steady at " << i;
    previous = next;
  }
}

TEST(Peripherals, ButtonsInputAndCoverPressedFromTheModel) {
  RunningDetector d;
  EXPECT_EQ(Raw(d, 14, {}, 3), (Bytes{0, 0, 0}));
  EXPECT_EQ(Raw(d, 16, {}, 1), Bytes{0});
  Bytes cover = Raw(d, 18, {}, 3);
  EXPECT_EQ(cover[1], 0);
  EXPECT_EQ(cover[2], 0) << "the cover starts open";

  Model(d, [](sim::DeviceModel& m) {
    m.peripherals().Press(sim::Switch::Test);
    m.peripherals().Press(sim::Switch::ExternalInput);
    m.peripherals().Press(sim::Switch::Cover);
  });
  std::this_thread::sleep_for(120ms);
  const Bytes held = Raw(d, 14, {}, 3);
  EXPECT_EQ(held[0], 0);
  EXPECT_GE(held[1], 2) << "TEST held for 120 ms or more";
  EXPECT_EQ(held[2], 0);
  EXPECT_EQ(Raw(d, 16, {}, 1), Bytes{1});
  cover = Raw(d, 18, {}, 3);
  EXPECT_EQ(cover[0], 0);
  EXPECT_GE(cover[1], 2);
  EXPECT_EQ(cover[2], 1);

  Model(d, [](sim::DeviceModel& m) {
    m.peripherals().Release(sim::Switch::Test);
    m.peripherals().Release(sim::Switch::Cover);
  });
  EXPECT_EQ(Raw(d, 14, {}, 3), (Bytes{0, 0, 0}));
  cover = Raw(d, 18, {}, 3);
  EXPECT_EQ(cover[1], 0);
  EXPECT_EQ(cover[2], 0);
}

TEST(Peripherals, PressesOnTheSchedule) {
  sim::CommandLine line;
  std::string error;
  ASSERT_TRUE(sim::ParseCommandLine({"--press", "disable:0", "--press", "input:0:0", "--press",
                                     "cover:3600000:10"},
                                    line, error))
      << error;
  RunningDetector d(line.detector);
  const bool pressed[3] = {
      Model(d, [](sim::DeviceModel& m) { return m.peripherals().IsPressed(sim::Switch::Disable); }),
      Model(d, [](sim::DeviceModel& m) { return m.peripherals().IsPressed(sim::Switch::ExternalInput); }),
      Model(d, [](sim::DeviceModel& m) { return m.peripherals().IsPressed(sim::Switch::Cover); })};
  EXPECT_TRUE(pressed[0]) << "pressed from the start, never released";
  EXPECT_FALSE(pressed[1]) << "pressed and released at once";
  EXPECT_FALSE(pressed[2]) << "not yet";
  Model(d, [](sim::DeviceModel& m) { m.peripherals().Release(sim::Switch::Disable); });
  EXPECT_EQ(Raw(d, 14, {}, 3), (Bytes{0, 0, 0})) << "a direct release holds";
}

TEST(Peripherals, PressNotation) {
  struct Case {
    const char* text;
    sim::Switch what;
    int atMs, forMs;
  } cases[] = {
      {"test:2000:1000", sim::Switch::Test, 2000, 1000},
      {"reset:0", sim::Switch::Reset, 0, -1},
      {"cover:500:0", sim::Switch::Cover, 500, 0},
      {"input:10:20", sim::Switch::ExternalInput, 10, 20},
  };
  for (const Case& c : cases) {
    sim::ScheduledPress p{sim::Switch::Disable, -5, -5};
    ASSERT_TRUE(sim::ParsePress(c.text, p)) << c.text;
    EXPECT_EQ(p.what, c.what) << c.text;
    EXPECT_EQ(p.atMs, c.atMs) << c.text;
    EXPECT_EQ(p.forMs, c.forMs) << c.text;
  }
  sim::ScheduledPress p{sim::Switch::Disable, 0, 0};
  for (const char* bad : {"test", "lid:0", "test:-1", "test:1:-1", "test:1:2:3", "test:x", ""})
    EXPECT_FALSE(sim::ParsePress(bad, p)) << bad;
  sim::CommandLine line;
  std::string error;
  EXPECT_FALSE(sim::ParseCommandLine({"--press", "test"}, line, error));
  ASSERT_TRUE(sim::ParseCommandLine({"--unsettled-density", "--sounders-unloaded"}, line, error));
  EXPECT_TRUE(line.detector.unsettledDensity);
  EXPECT_TRUE(line.detector.soundersUnloaded);
}

TEST(Peripherals, IsolatorOpensAndClosesOnItsCommand) {
  struct Step {
    uint8_t command;
    Bytes answer;  // pin, state
  } steps[] = {{0, {1, 224}}, {32, {0, 32}}, {0, {0, 32}}, {5, {0, 32}}, {96, {1, 224}}};
  RunningDetector d;
  for (const Step& s : steps) EXPECT_EQ(Raw(d, 10, {s.command}, 2), s.answer) << int(s.command);
}

TEST(Peripherals, ForcedEventsAreLoggedAsTheNewestEntries) {
  RunningDetector d;
  const Bytes before = ReadEeprom(d, 1024, 64);
  const int count = Word(before, 4);
  ASSERT_TRUE(Ok(Raw(d, 21, {123}, 0)));
  ASSERT_TRUE(Ok(Raw(d, 21, {45}, 0)));
  const Bytes after = ReadEeprom(d, 1024, 64);
  EXPECT_EQ(Word(after, 4), count + 2);
  const sim::LogEntry newest = Model(d, [&](sim::DeviceModel& m) { return m.GetLogEntry(count + 2); });
  const sim::LogEntry previous = Model(d, [&](sim::DeviceModel& m) { return m.GetLogEntry(count + 1); });
  EXPECT_EQ(newest[0], 45);
  EXPECT_EQ(previous[0], 123);
  EXPECT_TRUE(Model(d, [](sim::DeviceModel& m) { return m.LogHeaderValid(); }));
}

TEST(Peripherals, StandAloneLoopSupplySelection) {
  RunningDetector d;
  for (uint8_t selection : {3, 1, 2, 0}) {
    ASSERT_TRUE(Ok(Raw(d, 24, {selection}, 0))) << int(selection);
    EXPECT_EQ(Model(d, [](sim::DeviceModel& m) { return m.peripherals().standAloneLoop(); }), selection);
  }
  EXPECT_EQ(Raw(d, 24, {4}, 0), Bytes{0});
  EXPECT_EQ(Model(d, [](sim::DeviceModel& m) { return m.peripherals().standAloneLoop(); }), 0);
}

}  // namespace
}  // namespace simtest
