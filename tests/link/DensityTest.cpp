// The air density test against the simulated detector, whose ultrasonic
// counts the tests queue reading by reading.
#include <gtest/gtest.h>

#include <vector>

#include "SimulatedPort.h"
#include "TKV.h"

namespace {

constexpr int kStarted = 1, kUnsteady = 2, kHeldBack = 3, kWarmUp = 4;

class AirDensityTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(tkv.Connect(port.number(), 0, 0, 0), 1); }

  void Queue(int way, const std::vector<uint16_t>& counts) {
    port.detector().WithModel([&](sim::DeviceModel& m) { m.peripherals().QueueUltraCounts(way, counts); });
  }
  // Starts a test of channel 1 and feeds it the thirty warm-up readings,
  // ticks 1..30; returns the outcome of the last one.
  int WarmUp(const std::vector<uint16_t>& readings) {
    Queue(0, readings);
    EXPECT_EQ(tkv.DensityTestStep(1, -1), kStarted);
    int outcome = 0;
    for (int tick = 1; tick <= 30; ++tick) {
      outcome = tkv.DensityTestStep(1, tick);
      if (tick < 30) {
        EXPECT_EQ(outcome, kWarmUp) << "tick " << tick;
      }
    }
    return outcome;
  }
  // Measures the readings at ticks first, first + 1, ...; returns every outcome.
  std::vector<int> Measure(const std::vector<uint16_t>& readings, int first) {
    Queue(0, readings);
    std::vector<int> outcomes;
    for (size_t i = 0; i < readings.size(); ++i)
      outcomes.push_back(tkv.DensityTestStep(1, first + static_cast<int>(i)));
    return outcomes;
  }

  testsupport::SimulatedPort port;
  TKV tkv;
};

std::vector<uint16_t> Steady(uint16_t value, size_t count = 30) {
  return std::vector<uint16_t>(count, value);
}

// `count` outcomes of 1 (reading taken), then the final one.
std::vector<int> OnesThen(size_t count, int last) {
  std::vector<int> outcomes(count, kStarted);
  outcomes.push_back(last);
  return outcomes;
}

TEST_F(AirDensityTest, SteadyReadingsSettleAtOnce) {
  ASSERT_EQ(WarmUp(Steady(500)), kWarmUp);
  const DensityTest& t = tkv.GetDensityTest();
  EXPECT_EQ(t.Average, 500);
  EXPECT_EQ(t.FastAverage, 500.0);
  EXPECT_EQ(t.SlowAverage, 500.0);
  for (int32_t s : t.Samples) EXPECT_EQ(s, 500);

  EXPECT_EQ(Measure({500}, 31), std::vector<int>{kStarted});
  EXPECT_EQ(tkv.GetDensityTest().Result, 31) << "gap 0 < 1.0 records the tick";
  EXPECT_EQ(port.detector().LastRequest(11)[3], 0) << "channel 1 reads way 1A --> 1B";
}

// Pairs 0-1 .. 27-28 are compared; the thirtieth reading is not.
TEST_F(AirDensityTest, WarmUpJudgesNeighbouringReadings) {
  struct Case {
    const char* name;
    std::vector<uint16_t> readings;
    int outcome;
    int32_t average;
  };
  auto alternatingPairs = [](size_t n) {  // the first n pairs unsteady, the rest steady
    std::vector<uint16_t> r;
    for (size_t i = 0; i < 30; ++i) r.push_back(i <= n ? (i % 2 ? 100 : 0) : (n % 2 ? 100 : 0));
    return r;
  };
  std::vector<uint16_t> wildLast = Steady(500);
  wildLast[29] = 9000;
  std::vector<uint16_t> halves;
  for (int i = 0; i < 30; ++i) halves.push_back(static_cast<uint16_t>(500 + i % 2));
  const Case cases[] = {
      {"alternating 0 and 100", alternatingPairs(29), kUnsteady, 0},
      {"16 unsteady pairs", alternatingPairs(16), kUnsteady, 0},
      {"15 unsteady pairs", alternatingPairs(15), kWarmUp, 100},
      {"a wild thirtieth reading", wildLast, kWarmUp, 500},
      {"500 and 501: integer average", halves, kWarmUp, 500},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WarmUp(c.readings), c.outcome) << c.name;
    if (c.outcome == kWarmUp) {
      EXPECT_EQ(tkv.GetDensityTest().Average, c.average) << c.name;
    }
  }
}

TEST_F(AirDensityTest, FailedTestAnswersTwoWithoutReading) {
  ASSERT_EQ(WarmUp({0, 100, 0, 100, 0, 100, 0, 100, 0, 100, 0, 100, 0, 100, 0,
                    100, 0, 100, 0, 100, 0, 100, 0, 100, 0, 100, 0, 100, 0, 100}),
            kUnsteady);
  const uint64_t requests = port.detector().RequestCount();
  EXPECT_EQ(tkv.DensityTestStep(1, 31), kUnsteady);
  EXPECT_EQ(tkv.DensityTestStep(1, 32), kUnsteady);
  EXPECT_EQ(port.detector().RequestCount(), requests);
}

// A jump of 100 moves neither average; once 20 of the 30 ring entries are far
// from the slow average the test ends 20 ticks back, and never below 10.
TEST_F(AirDensityTest, JumpAfterWarmUpEndsTwentyTicksBack) {
  for (int first : {31, 1}) {
    ASSERT_EQ(WarmUp(Steady(500)), kWarmUp);
    std::vector<int> outcomes = Measure(Steady(600, 20), first);
    const int end = std::max(first + 19 - 20, 10);
    EXPECT_EQ(outcomes, OnesThen(19, end))
        << "first tick " << first;
    EXPECT_EQ(tkv.GetDensityTest().SlowAverage, 500.0);
    const uint64_t requests = port.detector().RequestCount();
    EXPECT_EQ(tkv.DensityTestStep(1, 99), end) << "the result again, without a reading";
    EXPECT_EQ(port.detector().RequestCount(), requests);
  }
}

// A rise of 5 per reading keeps the gap at 5 or more from the fourth reading
// on; the tenth such reading ends the test at the last tick whose gap was below 1.
TEST_F(AirDensityTest, DriftEndsAtTheLastSettledTick) {
  std::vector<uint16_t> rise;
  for (int k = 1; k <= 13; ++k) rise.push_back(static_cast<uint16_t>(500 + 5 * k));
  for (int first : {31, 1}) {
    ASSERT_EQ(WarmUp(Steady(500)), kWarmUp);
    std::vector<int> outcomes = Measure(rise, first);
    EXPECT_EQ(outcomes, OnesThen(12, std::max(first, 10)))
        << "first tick " << first;
  }
}

// Distances to the fast average are truncated toward zero: 40.6 counts as 40.
TEST_F(AirDensityTest, DistanceToTheFastAverageIsTruncated) {
  ASSERT_EQ(WarmUp(Steady(500)), kWarmUp);
  Measure({502}, 31);  // fast 500.4, slow 500.02
  ASSERT_DOUBLE_EQ(tkv.GetDensityTest().FastAverage, 500.4);
  Measure({541}, 32);
  EXPECT_DOUBLE_EQ(tkv.GetDensityTest().FastAverage, 500.4 + 40.6 * 0.2);
  const double fast = tkv.GetDensityTest().FastAverage;  // 508.52
  Measure({550}, 33);                                     // 41.48 away
  EXPECT_EQ(tkv.GetDensityTest().FastAverage, fast) << "41 away moves nothing";
}

TEST_F(AirDensityTest, ChannelHeldBackByTheDetector) {
  port.detector().WithModel([](sim::DeviceModel& m) { m.info()[19] = 7; });  // channel 2
  EXPECT_EQ(tkv.DensityTestStep(2, -1), kHeldBack);
  EXPECT_EQ(tkv.DensityTestStep(1, -1), kStarted);
  Queue(2, {321});
  EXPECT_EQ(tkv.DensityTestStep(2, 1), kWarmUp) << "the state is shared by both channels";
  EXPECT_EQ(port.detector().LastRequest(11)[3], 2) << "channel 2 reads way 2A --> 2B";
  EXPECT_EQ(tkv.GetDensityTest().Samples[0], 321);
}

TEST_F(AirDensityTest, RefusalsAndFailures) {
  EXPECT_EQ(tkv.DensityTestStep(1, 1), 0) << "step before any start";
  EXPECT_EQ(tkv.GetLastResult(), 13);
  for (int channel : {0, 3}) {
    EXPECT_EQ(tkv.DensityTestStep(channel, -1), 0);
    EXPECT_EQ(tkv.GetLastResult(), 13);
  }
  port.detector().InjectFault({sim::FaultKind::Refuse, 36});
  EXPECT_EQ(tkv.DensityTestStep(1, -1), 0);
  EXPECT_EQ(tkv.GetLastResult(), 0) << "a refused extended command is an unknown error";

  ASSERT_EQ(tkv.DensityTestStep(1, -1), kStarted);
  port.detector().InjectFault({sim::FaultKind::Refuse, 11});
  EXPECT_EQ(tkv.DensityTestStep(1, 1), 0);
  EXPECT_EQ(tkv.GetLastResult(), 8) << "the code of the failed reading";
}

TEST(DensityTestGuard, NeedsAConnectedAndConfiguredDetector) {
  TKV idle;
  EXPECT_EQ(idle.DensityTestStep(1, -1), 0);
  EXPECT_EQ(idle.GetLastResult(), 10);
  for (bool wrongConfiguration : {true, false}) {
    sim::DetectorOptions options;
    options.wrongConfiguration = wrongConfiguration;
    options.eepromNotRead = !wrongConfiguration;
    testsupport::SimulatedPort port(options);
    TKV tkv;
    ASSERT_EQ(tkv.Connect(port.number(), 0, 0, 0), 1);
    EXPECT_EQ(tkv.DensityTestStep(1, -1), 0);
    EXPECT_EQ(tkv.GetLastResult(), 19);
  }
}

}  // namespace
