// Faults injected into the detector's answers, as the tool's end of the line sees them.
#include <gtest/gtest.h>

#include "RunningDetector.h"

namespace simtest {
namespace {

using sim::Fault;
using sim::FaultKind;

const Bytes kGreet = RequestFrame(6);
const Bytes kRead = ReadMemoryRequest(256, 20);  // answer: 22 bytes

Bytes NormalRead(RunningDetector& d) { return d.line->Exchange(kRead, 22); }

TEST(Faults, SilentSwallowsOneAnswerThenTheDetectorAnswersAgain) {
  RunningDetector d;
  d.detector.InjectFault({FaultKind::Silent, 6});
  EXPECT_TRUE(d.line->Exchange(kGreet, 1, 150).empty());
  EXPECT_EQ(d.line->Exchange(kGreet, 1), Bytes{1});
}

TEST(Faults, CountAndCommandSelectTheRequests) {
  RunningDetector d;
  d.detector.InjectFault({FaultKind::Refuse, 30, 2});
  for (int i = 0; i < 2; ++i) {
    Bytes refused = d.line->Exchange(RequestFrame(30), 76);
    ASSERT_EQ(refused.size(), 76u) << "a refusal has the full answer length";
    EXPECT_EQ(refused[0], 0);
    EXPECT_EQ(d.line->Exchange(kGreet, 1), Bytes{1}) << "other commands untouched";
  }
  EXPECT_EQ(d.line->Exchange(RequestFrame(30), 76)[0], 1) << "used up after two";

  d.detector.InjectFault({FaultKind::Refuse, -1, -1});
  for (int i = 0; i < 3; ++i) EXPECT_EQ(d.line->Exchange(kGreet, 1), Bytes{0});
  d.detector.ClearFaults();
  EXPECT_EQ(d.line->Exchange(kGreet, 1), Bytes{1});
}

TEST(Faults, RefusedWriteIsNotCarriedOut) {
  RunningDetector d;
  Bytes before = AnswerData(d.line->Exchange(ReadMemoryRequest(900, 1), 3));
  d.detector.InjectFault({FaultKind::Refuse, 4});
  EXPECT_EQ(d.line->Exchange(WriteMemoryRequest(900, {static_cast<uint8_t>(before[0] + 1)}), 1),
            Bytes{0});
  EXPECT_EQ(AnswerData(d.line->Exchange(ReadMemoryRequest(900, 1), 3)), before);
}

// Every way of writing the EEPROM is acknowledged, yet stores other bytes;
// the next write, without the fault, stores what it was sent.
TEST(Faults, StoreDifferentAcknowledgesButStoresOtherBytes) {
  struct Case {
    const char* name;
    Bytes request;
    int address;
    Bytes sent;
    size_t answerLength;
  } cases[] = {
      {"write", WriteMemoryRequest(700, {0x10, 0x21, 0xFE}), 700, {0x10, 0x21, 0xFE}, 1},
      {"fill", RequestFrame(5, {0xC8, 0x02, 2, 0, 0x33}, {0x33}), 712, {0x33, 0x33}, 1},
      {"extended byte write", ExtendedRequest({5, 0x88, 0x13, 0x5A}), 5000, {0x5A}, 1026},
  };
  RunningDetector d;
  for (const Case& c : cases) {
    const int count = static_cast<int>(c.sent.size());
    d.detector.InjectFault({FaultKind::StoreDifferent, c.request[0]});
    ASSERT_EQ(d.line->Exchange(c.request, c.answerLength)[0], 1) << c.name << ": acknowledged";
    Bytes stored = ReadEeprom(d, c.address, count);
    ASSERT_EQ(stored.size(), c.sent.size()) << c.name;
    for (int i = 0; i < count; ++i)
      EXPECT_NE(stored[static_cast<size_t>(i)], c.sent[static_cast<size_t>(i)])
          << c.name << " byte " << i;

    ASSERT_EQ(d.line->Exchange(c.request, c.answerLength)[0], 1) << c.name;
    EXPECT_EQ(ReadEeprom(d, c.address, count), c.sent) << c.name << ": fault used up";
  }
}

TEST(Faults, AnswerShapes) {
  RunningDetector d;
  const Bytes normal = NormalRead(d);
  ASSERT_EQ(normal.size(), 22u);

  d.detector.InjectFault({FaultKind::Short, 3, 1, 5});
  EXPECT_EQ(d.line->Exchange(kRead, 22, 150), Bytes(normal.begin(), normal.end() - 5)) << "short";

  d.detector.InjectFault({FaultKind::Long, 3, 1, 4});
  Bytes longer = d.line->Exchange(kRead, 30, 150);
  ASSERT_EQ(longer.size(), 26u) << "long";
  EXPECT_EQ(Bytes(longer.begin(), longer.begin() + 22), normal);

  d.detector.InjectFault({FaultKind::BadChecksum, 3});
  Bytes spoiled = d.line->Exchange(kRead, 22);
  ASSERT_EQ(spoiled.size(), 22u);
  EXPECT_EQ(Bytes(spoiled.begin(), spoiled.end() - 1), Bytes(normal.begin(), normal.end() - 1));
  EXPECT_NE(spoiled.back(), normal.back()) << "bad checksum";

  d.detector.InjectFault({FaultKind::Garbage, 3, 1, 9});
  EXPECT_EQ(d.line->Exchange(kRead, 22, 150).size(), 9u) << "garbage";

  EXPECT_EQ(NormalRead(d), normal) << "every fault used up";
}

TEST(Faults, SplitAndDelayHoldBytesBack) {
  RunningDetector d;
  const Bytes normal = NormalRead(d);

  d.detector.InjectFault({FaultKind::Split, 3, 1, 200});
  Bytes first = d.line->Exchange(kRead, 22, 100);
  ASSERT_EQ(first.size(), 11u) << "half the answer, then a pause";
  Bytes rest = d.line->Read(11, 1000);
  first.insert(first.end(), rest.begin(), rest.end());
  EXPECT_EQ(first, normal);

  d.detector.InjectFault({FaultKind::Delay, 3, 1, 200});
  EXPECT_TRUE(d.line->Exchange(kRead, 22, 100).empty()) << "nothing before the delay";
  EXPECT_EQ(d.line->Read(22, 1000), normal);
}

TEST(Faults, HostileLineShapes) {
  RunningDetector d;
  const Bytes normal = NormalRead(d);

  // The request comes back, and the detector never heard it.
  const Bytes write = WriteMemoryRequest(900, {0x5A});
  const Bytes before = ReadEeprom(d, 900, 1);
  d.detector.InjectFault({FaultKind::Echo, 4});
  EXPECT_EQ(d.line->Exchange(write, write.size(), 150), write) << "echo";
  EXPECT_EQ(ReadEeprom(d, 900, 1), before) << "echo";

  d.detector.InjectFault({FaultKind::Trickle, 3, 1, 50});
  Bytes crawling = d.line->Exchange(kRead, 22, 25);
  ASSERT_EQ(crawling.size(), 1u) << "trickle: one byte, then a pause";
  Bytes rest = d.line->Read(21, 5000);
  crawling.insert(crawling.end(), rest.begin(), rest.end());
  EXPECT_EQ(crawling, normal) << "trickle";

  d.detector.InjectFault({FaultKind::Flood, 3, 1, 200});
  d.line->Write(kRead);
  EXPECT_FALSE(d.line->Read(4096, 60).empty()) << "flood";
  EXPECT_FALSE(d.line->Read(4096, 60).empty()) << "flood still running";
  d.line->Read(4096, 300);

  // The answer waits for the next request and goes out as it comes in; that
  // request's own answer follows after the gap.
  d.detector.InjectFault({FaultKind::LateNext, 3, 1, 200});
  EXPECT_TRUE(d.line->Exchange(kRead, 22, 150).empty()) << "late-next";
  EXPECT_EQ(d.line->Exchange(kGreet, 23, 100), normal) << "late-next, with the next request";
  EXPECT_EQ(d.line->Read(1), Bytes{1}) << "late-next, then the greeting's own answer";

  EXPECT_EQ(NormalRead(d), normal) << "every fault used up";
}

TEST(Faults, DroppedLineHangsUpTheToolAndCanBeRestarted) {
  RunningDetector d;
  std::string firstPath = d.detector.SlavePath();
  d.detector.InjectFault({FaultKind::DropLine, 6});
  d.line->Write(kGreet);
  EXPECT_TRUE(d.line->SeesHangup(1000));

  ASSERT_TRUE(d.detector.Start());
  SlaveLine again(d.detector.SlavePath());
  ASSERT_TRUE(again.isOpen());
  EXPECT_EQ(again.Exchange(kGreet, 1), Bytes{1});
}

// Stop while a long pause is under way must not wait for it.
TEST(Faults, StopInterruptsAPause) {
  RunningDetector d;
  d.detector.InjectFault({FaultKind::Delay, -1, 1, 60000});
  d.line->Write(kGreet);
  d.line->Read(1, 50);
  auto start = std::chrono::steady_clock::now();
  d.detector.Stop();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

}  // namespace
}  // namespace simtest
