// Lengths that do not fit a frame are refused with 13 before any buffer is
// touched, nothing is sent, and the connection carries on as before.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "SimulatedPort.h"
#include "TKV.h"

namespace {

constexpr uint8_t kReadMemory = 3;
constexpr uint8_t kRefresh = 7;  // M = 0
constexpr uint8_t kUntouched = 0xA5;

struct LengthCase {
  const char* name;
  int first;   // N, or the request length
  int second;  // M, or the answer length
};
void PrintTo(const LengthCase& c, std::ostream* os) { *os << c.name; }

class LengthGuard : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(tkv.Connect(port.number(), 0, 0, 0), 1) << tkv.GetLastResult();
    requestsBefore = port.detector().RequestCount();
  }

  // Refused with 13, nothing sent, the caller's answer buffer as it was, and the
  // object still connected with its EEPROM flags and able to talk.
  void ExpectRefusedAndUnchanged(int returned) {
    EXPECT_EQ(returned, 0);
    EXPECT_EQ(tkv.GetLastResult(), 13);
    EXPECT_EQ(port.detector().RequestCount(), requestsBefore);
    EXPECT_EQ(std::vector<uint8_t>(answer.begin(), answer.end()),
              std::vector<uint8_t>(answer.size(), kUntouched));
    EXPECT_EQ(tkv.IsConnected(), 1);
    EXPECT_EQ(tkv.IsPortOpen(), 1);
    EXPECT_EQ(tkv.IsEepromRead(), 1);
    EXPECT_EQ(tkv.IsFactoryAreaOk(), 1);
    EXPECT_EQ(tkv.IsConfigAreaOk(), 1);
    EXPECT_EQ(tkv.IsLoopAreaOk(), 1);
    EXPECT_EQ(tkv.IsWrongConfiguration(), 0);
    EXPECT_EQ(tkv.GetVariant(), 1);
    EXPECT_EQ(tkv.SendCommand(kRefresh, 0, 0, {}, nullptr, answer.data()), 1)
        << tkv.GetLastResult();
    std::fill(answer.begin(), answer.end(), kUntouched);
    requestsBefore = port.detector().RequestCount();
  }

  testsupport::SimulatedPort port;
  TKV tkv;
  uint64_t requestsBefore = 0;
  // Larger than any frame, so a write past the frame's limit would show.
  std::vector<uint8_t> answer = std::vector<uint8_t>(4096, kUntouched);
  std::vector<uint8_t> request = std::vector<uint8_t>(4096, 0);
};

class SendCommandLengths : public LengthGuard,
                           public ::testing::WithParamInterface<LengthCase> {};

TEST_P(SendCommandLengths, AreRefusedWith13) {
  ExpectRefusedAndUnchanged(tkv.SendCommand(kRefresh, GetParam().first, GetParam().second, {},
                                            request.data(), answer.data()));
}

INSTANTIATE_TEST_SUITE_P(OutsideTheFrame, SendCommandLengths,
                         ::testing::Values(LengthCase{"Data1025", 1025, 0},
                                           LengthCase{"Data2000", 2000, 0},
                                           LengthCase{"Answer1025", 0, 1025},
                                           LengthCase{"NegativeData", -1, 0},
                                           LengthCase{"NegativeAnswer", 0, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

class RawLengths : public LengthGuard, public ::testing::WithParamInterface<LengthCase> {};

TEST_P(RawLengths, AreRefusedWith13ByTransactAndExchange) {
  int count = -1;
  ExpectRefusedAndUnchanged(
      tkv.Transact(request.data(), GetParam().first, GetParam().second, answer.data(), &count));
  EXPECT_EQ(count, 0);
  count = -1;
  ExpectRefusedAndUnchanged(
      tkv.Exchange(request.data(), GetParam().first, answer.data(), GetParam().second, &count));
  EXPECT_EQ(count, 0);
}

INSTANTIATE_TEST_SUITE_P(
    OutsideTheBuffers, RawLengths,
    ::testing::Values(LengthCase{"Request1042", frame::kMaxRequest + 1, 1},
                      LengthCase{"Answer1027", frame::kHeaderSize, frame::kMaxAnswer + 1},
                      LengthCase{"EmptyRequest", 0, 1}, LengthCase{"EmptyAnswer", 16, 0},
                      LengthCase{"NegativeAnswer", 16, -3}),
    [](const auto& info) { return std::string(info.param.name); });

// The largest answer the frame allows still goes through.
TEST_F(LengthGuard, AnswerOf1024DataBytesIsAccepted) {
  ASSERT_EQ(tkv.SendCommand(kReadMemory, 0, frame::kMaxData, frame::MemoryParams(0, 1024),
                            nullptr, answer.data()),
            1)
      << tkv.GetLastResult();
  EXPECT_EQ(answer[frame::kMaxAnswer], kUntouched);
}

}  // namespace
