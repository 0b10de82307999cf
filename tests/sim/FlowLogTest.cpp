// The flow-log queues of command 26: how they fill over time, what a read
// hands over, and that the records follow the fan speeds inside the spans the
// tool's graph shows.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "FlowLogQueues.h"
#include "RunningDetector.h"

namespace simtest {
namespace {

using sim::FlowLogQueues;
using sim::FlowLogRecord;
using namespace std::chrono_literals;

constexpr int kIndex = 0, kA = 1, kR = 2, kDA = 5, kDR = 6, kFan = 8, kPulse = 11, kTotal = 12;

struct Answer {
  int fresh[2];
  FlowLogRecord slot[2][FlowLogQueues::kSlots];
};

Answer Decode(const uint8_t* bytes) {
  Answer a{{bytes[0], bytes[1]}, {}};
  for (int ch = 0; ch < 2; ++ch)
    for (int k = 0; k < FlowLogQueues::kSlots; ++k)
      for (int v = 0; v < sim::kFlowLogValues; ++v) {
        const uint8_t* p = bytes + 2 + 360 * ch + 36 * k + 2 * v;
        a.slot[ch][k][v] = static_cast<uint16_t>(p[0] << 8 | p[1]);
      }
  return a;
}

Answer Read(FlowLogQueues& q, FlowLogQueues::Clock::time_point at, int fan1, int fan2) {
  uint8_t bytes[FlowLogQueues::kAnswerSize];
  q.Read(at, fan1, fan2, bytes);
  return Decode(bytes);
}

TEST(FlowLogQueues, FillOverTimeAndHandOverTheirRecordsFromSlotZero) {
  const auto t0 = FlowLogQueues::Clock::now();
  FlowLogQueues q(2, t0);
  const Answer none = Read(q, t0 + 40ms, 5, 5);
  EXPECT_EQ(none.fresh[0], 0);
  EXPECT_EQ(none.slot[0][0], FlowLogRecord{}) << "an empty slot is all zero";

  const Answer three = Read(q, t0 + 175ms, 5, 5);
  for (int ch = 0; ch < 2; ++ch) {
    EXPECT_EQ(three.fresh[ch], 3);
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(three.slot[ch][k][kIndex] >> 8, 1) << "a made record has 1 in its index's high byte";
      EXPECT_EQ(three.slot[ch][k][kTotal], k + 1);
    }
    EXPECT_EQ(three.slot[ch][3], FlowLogRecord{});
  }

  // Handed over: read again at once, the slots are empty.
  const Answer again = Read(q, t0 + 180ms, 5, 5);
  EXPECT_EQ(again.fresh[0], 0);
  EXPECT_EQ(again.slot[0][0], FlowLogRecord{});

  const Answer one = Read(q, t0 + 210ms, 5, 5);
  EXPECT_EQ(one.fresh[0], 1);
  EXPECT_EQ(one.slot[0][0][kTotal], 4);
  EXPECT_EQ(one.slot[0][1], FlowLogRecord{});

  // A long pause: the queue holds the ten newest measurements, oldest first.
  const Answer full = Read(q, t0 + 5s, 5, 5);
  EXPECT_EQ(full.fresh[0], FlowLogQueues::kSlots);
  for (int k = 1; k < FlowLogQueues::kSlots; ++k)
    EXPECT_EQ(full.slot[0][k][kTotal], full.slot[0][k - 1][kTotal] + 1);
  EXPECT_GT(full.slot[0][0][kTotal], 5);
}

TEST(FlowLogQueues, AOneChannelDetectorNeverFillsTheSecondQueue) {
  const auto t0 = FlowLogQueues::Clock::now();
  FlowLogQueues q(1, t0);
  const Answer a = Read(q, t0 + 1s, 5, 5);
  EXPECT_EQ(a.fresh[0], FlowLogQueues::kSlots);
  EXPECT_EQ(a.fresh[1], 0);
  EXPECT_EQ(a.slot[1][0], FlowLogRecord{});
}

// A sweep of both fans through 0..10, a few seconds per speed: every graphed
// value stays strictly inside its span, the fan value follows the speeds, and
// the return flight time parts from the outgoing one as the flow grows.
TEST(FlowLogQueues, RecordsFollowTheFanSpeedsInsideTheGraphSpans) {
  auto at = FlowLogQueues::Clock::now();
  FlowLogQueues q(2, at);
  int lastSpread[2] = {-1, -1};
  for (int speed = 0; speed <= 10; ++speed) {
    Read(q, at, speed, speed);
    for (int second = 0; second < 3; ++second) {
      at += 1s;
      const Answer a = Read(q, at, speed, speed);
      for (int ch = 0; ch < 2; ++ch) {
        ASSERT_EQ(a.fresh[ch], FlowLogQueues::kSlots);
        for (const FlowLogRecord& r : a.slot[ch]) {
          EXPECT_EQ(r[kFan], speed);
          for (int v : {kA, kR}) EXPECT_TRUE(r[v] > 20500 && r[v] < 25000) << r[v];
          EXPECT_TRUE(r[kDA] > 0 && r[kDA] < 600) << r[kDA];
          EXPECT_TRUE(r[kDR] > 50 && r[kDR] < 400) << r[kDR];
          EXPECT_LT(r[kPulse], 140);
          EXPECT_EQ(r[kPulse] > 0, speed > 0) << "a stopped fan has no drive";
        }
      }
    }
    // Settled at this speed.
    const Answer settled = Read(q, at += 1s, speed, speed);
    for (int ch = 0; ch < 2; ++ch) {
      const int spread = settled.slot[ch][9][kR] - settled.slot[ch][9][kA];
      EXPECT_GT(spread, lastSpread[ch]) << "speed " << speed;
      lastSpread[ch] = spread;
    }
  }
  EXPECT_EQ(q.fanSpeed(0), 10);
  Read(q, at, 200, 0);
  EXPECT_EQ(q.fanSpeed(0), 10) << "a speed above 10 runs the fan at 10";
  EXPECT_EQ(q.fanSpeed(1), 0);
}

// Over the line: 26 with P1, P2 answers 1024 data bytes, and the fresh
// records come after the pause between two reads.
TEST(FlowLogCommand, AnswersTheQueuesOverTheLine) {
  RunningDetector d;
  const Bytes first = AnswerData(d.line->Exchange(RequestFrame(26, {3, 7}), 1026));
  ASSERT_EQ(first.size(), size_t{1024});
  EXPECT_EQ(d.detector.WithModel([](sim::DeviceModel& m) { return m.flowLog().fanSpeed(1); }), 7);

  std::this_thread::sleep_for(400ms);
  const Bytes second = AnswerData(d.line->Exchange(RequestFrame(26, {3, 7}), 1026));
  ASSERT_EQ(second.size(), size_t{1024});
  const Answer a = Decode(second.data());
  for (int ch = 0; ch < 2; ++ch) {
    EXPECT_GE(a.fresh[ch], 1);
    EXPECT_LE(a.fresh[ch], FlowLogQueues::kSlots);
    EXPECT_EQ(a.slot[ch][a.fresh[ch] - 1][kFan], ch == 0 ? 3 : 7);
  }
}

// What tests queue comes back as queued, with the valid count they ask for.
TEST(FlowLogCommand, QueuedRecordsComeBackAsQueued) {
  RunningDetector d;
  const FlowLogRecord record = {0x1234, 21000, 24000, 1, 2, 300, 100, 3000, 4,
                                5,      6,     100,   7, 8, 1,   9,   10,  11};
  d.detector.WithModel([&](sim::DeviceModel& m) {
    m.flowLog().StopMeasuring();
    m.flowLog().Queue(1, record);
    m.flowLog().Queue(1, record);
    m.flowLog().ReportValidCount(1, 1);
  });
  std::this_thread::sleep_for(120ms);
  const auto read = [&] {
    return Decode(AnswerData(d.line->Exchange(RequestFrame(26, {1, 1}), 1026)).data());
  };
  const Answer a = read();
  EXPECT_EQ(a.fresh[0], 0);
  EXPECT_EQ(a.fresh[1], 1);
  EXPECT_EQ(a.slot[1][0], record);
  EXPECT_EQ(a.slot[1][1], record);
  EXPECT_EQ(read().fresh[1], 0) << "the reported count holds for one read";
}

}  // namespace
}  // namespace simtest
