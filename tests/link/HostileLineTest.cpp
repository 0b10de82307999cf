// A hostile line: late answers, echoes, floods and crawling answers. A suspect
// line is settled before the next request and its answer waited on for surplus
// bytes, so no late answer passes for the next transaction's.
#include <gtest/gtest.h>

#include <vector>

#include "DeviceModel.h"
#include "SimulatedPort.h"
#include "TKV.h"

namespace {

using sim::Fault;
using sim::FaultKind;
using Bytes = std::vector<uint8_t>;

constexpr int kInterByteMs = 50;  // the library's own inter-byte time-out
constexpr int kTotalMs = 100;

constexpr uint8_t kGreet = 6;
constexpr uint8_t kReadMemory = 3;
constexpr uint8_t kQueryRestart = 35;  // M = 1, the detector answers 3 bytes

// Two EEPROM runs of the same length with different bytes, so an answer of one
// taken for the other shows.
constexpr int kFirstAddress = 2048;
constexpr int kSecondAddress = 2112;
constexpr int kRunLength = 16;

Bytes Pattern(uint8_t seed) {
  Bytes bytes(kRunLength);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(seed + 7 * i);
  return bytes;
}

class HostileLine : public ::testing::Test {
 protected:
  void SetUp() override {
    port.detector().WithModel([&](sim::DeviceModel& m) {
      m.WriteEeprom(kFirstAddress, first.data(), kRunLength);
      m.WriteEeprom(kSecondAddress, second.data(), kRunLength);
    });
  }
  void ConnectWith(int attempts) {
    ASSERT_EQ(tkv.Connect(port.number(), kInterByteMs, kTotalMs, attempts), 1)
        << tkv.GetLastResult();
  }
  // 1 with the bytes read, or 0 with an empty result.
  int Read(int address, Bytes& bytes) {
    bytes.clear();
    uint8_t answer[frame::kMaxAnswer] = {};
    if (!tkv.SendCommand(kReadMemory, 0, kRunLength, frame::MemoryParams(address, kRunLength),
                         nullptr, answer))
      return 0;
    bytes.assign(answer + 1, answer + 1 + kRunLength);
    return 1;
  }
  int QueryRestart() {
    uint8_t answer[frame::kMaxAnswer] = {};
    return tkv.SendCommand(kQueryRestart, 0, 1, {}, nullptr, answer);
  }

  const Bytes first = Pattern(0x11), second = Pattern(0xA0);
  testsupport::SimulatedPort port;
  TKV tkv;
};

// The detector answers a read after the transaction gave up, once the next read
// of the same length waits for its own answer; that answer follows the late one
// after a different gap each try, always within the inter-byte time.
TEST_F(HostileLine, LateReadAnswerIsNeverTakenForTheNextRead) {
  ConnectWith(1);
  constexpr int kTries = 30;
  int wrongSuccesses = 0, rightSuccesses = 0;
  for (int i = 0; i < kTries; ++i) {
    const int gapMs = i % 12 * 3;  // 0 to 33 ms
    port.detector().InjectFault({FaultKind::LateNext, kReadMemory, 1, gapMs});
    Bytes bytes;
    ASSERT_EQ(Read(kFirstAddress, bytes), 0) << "try " << i;
    ASSERT_EQ(tkv.GetLastResult(), 4) << "try " << i;

    if (Read(kSecondAddress, bytes)) {
      if (bytes == second)
        ++rightSuccesses;
      else
        ++wrongSuccesses;
    }

    ASSERT_EQ(Read(kFirstAddress, bytes), 1) << "try " << i << ": " << tkv.GetLastResult();
    EXPECT_EQ(bytes, first) << "try " << i;
  }
  EXPECT_EQ(wrongSuccesses, 0) << rightSuccesses << " right of " << kTries;
  RecordProperty("tries", kTries);
  RecordProperty("wrong_successes", wrongSuccesses);
  RecordProperty("right_successes", rightSuccesses);
}

struct HostileCase {
  const char* name;
  Fault fault;
  int expectedResult;  // of the faulted restart query; 1 = accepted
};
void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }

class HostileFaults : public HostileLine, public ::testing::WithParamInterface<HostileCase> {};

// With two read calls allowed, a 3-byte answer crawling slower than the
// inter-byte time runs out of calls with its last byte still on the way.
TEST_P(HostileFaults, GiveTheirResultCodeAndTheNextReadIsClean) {
  ConnectWith(2);
  const HostileCase& c = GetParam();
  port.detector().InjectFault(c.fault);
  EXPECT_EQ(QueryRestart(), c.expectedResult == 1 ? 1 : 0);
  if (c.expectedResult != 1) {
    EXPECT_EQ(tkv.GetLastResult(), c.expectedResult);
  }

  Bytes bytes;
  ASSERT_EQ(Read(kFirstAddress, bytes), 1) << tkv.GetLastResult();
  EXPECT_EQ(bytes, first);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, HostileFaults,
    ::testing::Values(
        HostileCase{"EchoedRequest", {FaultKind::Echo, kQueryRestart}, 6},
        HostileCase{"Flood", {FaultKind::Flood, kQueryRestart, 1, 40}, 6},
        HostileCase{"TrickleInsideTheInterByteTime", {FaultKind::Trickle, kQueryRestart, 1, 35},
                    1},
        HostileCase{"TrickleOutsideTheInterByteTime",
                    {FaultKind::Trickle, kQueryRestart, 1, 65}, 4}),
    [](const auto& info) { return std::string(info.param.name); });

// Settling gives up at the total time-out while the line keeps talking, and
// the line stays suspect: nothing passes until the flood is over.
TEST_F(HostileLine, FloodLongerThanTheTotalTimeOutFailsEachReadUntilItEnds) {
  ConnectWith(2);
  port.detector().InjectFault({FaultKind::Flood, kQueryRestart, 1, 600});
  EXPECT_EQ(QueryRestart(), 0);
  EXPECT_EQ(tkv.GetLastResult(), 6);

  Bytes bytes;
  int timeOuts = 0;
  while (!Read(kFirstAddress, bytes) && timeOuts < 50) {
    ASSERT_EQ(tkv.GetLastResult(), 4);
    ++timeOuts;
  }
  EXPECT_GT(timeOuts, 0) << "the flood outlasts the settling";
  EXPECT_EQ(bytes, first);
}

// The window makes a new object for each attempt; the greeting's late answer
// meets the next attempt's greeting.
TEST(HostileLineConnect, NextConnectionAfterALateGreetingSucceeds) {
  struct Case {
    const char* name;
    Fault fault;
  } cases[] = {
      {"delay past the budget", {FaultKind::Delay, kGreet, 1, 300}},
      {"answered with the next greeting", {FaultKind::LateNext, kGreet}},
  };
  for (const Case& c : cases) {
    testsupport::SimulatedPort port;
    port.detector().InjectFault(c.fault);
    {
      TKV abandoned;
      EXPECT_EQ(abandoned.Connect(port.number(), kInterByteMs, kTotalMs, 2), 0) << c.name;
      EXPECT_EQ(abandoned.GetLastResult(), 4) << c.name;
    }
    TKV next;
    EXPECT_EQ(next.Connect(port.number(), kInterByteMs, kTotalMs, 2), 1)
        << c.name << ": " << next.GetLastResult();
    EXPECT_EQ(next.GetRestartPending(), 0) << c.name << ": " << next.GetLastResult();
  }
}

}  // namespace
