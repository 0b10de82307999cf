// The stand-alone sensors (command 25) and the front LEDs (command 12).
#include <gtest/gtest.h>

#include "RunningDetector.h"

namespace simtest {
namespace {

constexpr uint8_t kPollSensor = 25, kSetLeds = 12;

// The 13 answer bytes of a poll (mode 1) or test (mode 2) of sensor 1 or 2;
// empty when refused.
Bytes Poll(RunningDetector& d, int sensor, int mode) {
  const uint8_t p1 = static_cast<uint8_t>(sensor - 1), p2 = static_cast<uint8_t>(mode);
  return AnswerData(d.line->Exchange(RequestFrame(kPollSensor, {p1, p2, 1, 0, 1}), 15));
}

int PulseWidth(const Bytes& answer, int i) { return answer[2 + 2 * i] | answer[3 + 2 * i] << 8; }

sim::DetectorOptions Options(sim::Variant variant, int channels) {
  sim::DetectorOptions o;
  o.variant = variant;
  o.channels = channels;
  return o;
}

TEST(DetectorSensors, HealthyAnswersOfEachVariantAndMissingSensor) {
  struct Case {
    const char* name;
    sim::DetectorOptions options;
    int sensor;
    Bytes remotes;
    int pollStatus, testStatus;
    bool answering;  // clean pulse widths rather than time-outs
  } cases[] = {
      {"stand-alone sensor 1", {}, 1, {1, 1}, 1, 20, true},
      {"stand-alone sensor 2", {}, 2, {1, 1}, 1, 20, true},
      {"one channel: no sensor 2", Options(sim::Variant::StandAlone, 1), 2, {1, 0}, 22, 21, false},
      {"loop based", Options(sim::Variant::LoopBased, 2), 1, {1, 1}, 0, 1, true},
      {"quib", Options(sim::Variant::Quib, 2), 2, {1, 1}, 0, 1, true},
  };
  for (const Case& c : cases) {
    RunningDetector d(c.options);
    const Bytes poll = Poll(d, c.sensor, 1), test = Poll(d, c.sensor, 2);
    ASSERT_EQ(poll.size(), 13u) << c.name;
    ASSERT_EQ(test.size(), 13u) << c.name;
    EXPECT_EQ(Bytes(poll.begin(), poll.begin() + 2), c.remotes) << c.name;
    EXPECT_EQ(poll[12], c.pollStatus) << c.name;
    EXPECT_EQ(test[12], c.testStatus) << c.name;
    EXPECT_EQ(Bytes(poll.begin(), poll.end() - 1), Bytes(test.begin(), test.end() - 1))
        << c.name << ": only the status depends on the mode";
    for (int i = 0; i < 5; ++i) {
      if (c.answering)
        EXPECT_LT(PulseWidth(poll, i), 65500) << c.name << " PW" << i + 1;
      else
        EXPECT_EQ(PulseWidth(poll, i), 65500) << c.name << " PW" << i + 1;
    }
  }
}

TEST(DetectorSensors, AnswerWhatATestSets) {
  RunningDetector d;
  d.detector.WithModel([](sim::DeviceModel& m) {
    sim::SensorReading& s = m.sensors().sensor(1);
    s.pulseWidths = {65499, 65500, 65501, 0, 0x1234};
    s.remoteWorking = false;
    s.pollStatus = 8;
    s.testStatus = 21;
  });
  const Bytes poll = Poll(d, 2, 1);
  ASSERT_EQ(poll.size(), 13u);
  EXPECT_EQ(poll, (Bytes{1, 0, 0xDB, 0xFF, 0xDC, 0xFF, 0xDD, 0xFF, 0, 0, 0x34, 0x12, 8}));
  EXPECT_EQ(Poll(d, 2, 2)[12], 21);
  EXPECT_EQ(Poll(d, 1, 1)[12], 1) << "sensor 1 untouched";
}

TEST(DetectorSensors, RefusesUnknownSensorOrMode) {
  RunningDetector d;
  for (auto [sensor, mode] : {std::pair{3, 1}, {1, 0}, {2, 3}})
    EXPECT_EQ(d.line->Exchange(RequestFrame(kPollSensor, {static_cast<uint8_t>(sensor - 1),
                                                          static_cast<uint8_t>(mode), 1, 0, 1}),
                               1),
              Bytes{0})
        << "sensor " << sensor << " mode " << mode;
}

TEST(DetectorLeds, KeepsTheForcedFrameUntilReleased) {
  RunningDetector d;
  Bytes frame(90);
  for (size_t i = 0; i < 45; ++i) {
    frame[i] = static_cast<uint8_t>(i % 4);
    frame[45 + i] = i % 3 == 0 ? 2 : 0;
  }
  ASSERT_EQ(d.line->Exchange(RequestFrame(kSetLeds, {1}, frame), 1), Bytes{1});
  d.detector.WithModel([&](sim::DeviceModel& m) {
    EXPECT_TRUE(m.leds().forced());
    EXPECT_EQ(Bytes(m.leds().frame().begin(), m.leds().frame().end()), frame);
    EXPECT_EQ(m.leds().colour(7), 3);
    EXPECT_EQ(m.leds().style(9), 2);
  });
  ASSERT_EQ(d.line->Exchange(RequestFrame(kSetLeds, {0}), 1), Bytes{1});
  d.detector.WithModel([&](sim::DeviceModel& m) {
    EXPECT_FALSE(m.leds().forced());
    EXPECT_EQ(Bytes(m.leds().frame().begin(), m.leds().frame().end()), frame) << "last pattern kept";
  });
}

TEST(DetectorLeds, RefusesAFrameOfTheWrongShape) {
  struct Case {
    const char* name;
    uint8_t p1;
    size_t dataLength;
  } cases[] = {
      {"pattern without data", 1, 0},
      {"pattern of 89 bytes", 1, 89},
      {"pattern of 91 bytes", 1, 91},
      {"normal with data", 0, 90},
      {"P1 = 2", 2, 90},
  };
  RunningDetector d;
  for (const Case& c : cases) {
    EXPECT_EQ(d.line->Exchange(RequestFrame(kSetLeds, {c.p1}, Bytes(c.dataLength, 1)), 1), Bytes{0})
        << c.name;
    d.detector.WithModel([&](sim::DeviceModel& m) { EXPECT_FALSE(m.leds().forced()) << c.name; });
  }
}

}  // namespace
}  // namespace simtest
