// Command 36 carries the low byte of every parameter and data value.
#include <gtest/gtest.h>

#include <vector>

#include "SimulatedPort.h"
#include "TKV.h"

namespace {

class ExtendedCommand : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(tkv.Connect(port.number(), 0, 0, 0), 1); }
  testsupport::SimulatedPort port;
  TKV tkv;
  std::vector<int32_t> params = std::vector<int32_t>(12, 0);
  std::vector<int32_t> data = std::vector<int32_t>(1024, 0);
  std::vector<int32_t> answer = std::vector<int32_t>(1024, -1);
};

TEST_F(ExtendedCommand, SendsTheLowBytesOfParametersAndData) {
  // Sub-command 3 (RAM read) with a RAM address whose bytes are 0x78 (least significant) .. 0x12.
  params = {3 + 256, 0x78, 0x56, 0x34, 0x12, -1, 0x1FF, 0, 0, 0, 0, 0x7FFFFF0B};
  for (int i = 0; i < 1024; ++i) data[static_cast<size_t>(i)] = i * 7 + 256 * (i % 3) - 512;
  ASSERT_EQ(tkv.ExtendedCommand(params.data(), data.data(), answer.data()), 1)
      << tkv.GetLastResult();

  std::vector<uint8_t> sent = port.detector().LastRequest(36);
  ASSERT_EQ(sent.size(), 1041u);
  EXPECT_EQ(sent[0], 36);
  EXPECT_EQ(sent[1], 4);
  EXPECT_EQ(sent[2], 0);
  const std::vector<uint8_t> expectedParams{3, 0x78, 0x56, 0x34, 0x12, 0xFF, 0xFF, 0, 0, 0, 0, 0x0B};
  EXPECT_EQ(std::vector<uint8_t>(sent.begin() + 3, sent.begin() + 15), expectedParams);
  for (int i = 0; i < 1024; ++i)
    ASSERT_EQ(sent[static_cast<size_t>(16 + i)], static_cast<uint8_t>(data[static_cast<size_t>(i)] & 0xFF)) << i;
  for (int32_t v : answer) {
    EXPECT_GE(v, 0);
    EXPECT_LE(v, 255);
  }
}

TEST_F(ExtendedCommand, SubCommand9AnswersThreeValues) {
  params[0] = 9;
  ASSERT_EQ(tkv.ExtendedCommand(params.data(), data.data(), answer.data()), 1);
  EXPECT_NE(answer[0] + answer[1] + answer[2], 0);
}

TEST_F(ExtendedCommand, RefusalLeavesUnknownError) {
  port.detector().InjectFault({sim::FaultKind::Refuse, 36});
  params[0] = 9;
  EXPECT_EQ(tkv.ExtendedCommand(params.data(), data.data(), answer.data()), 0);
  EXPECT_EQ(tkv.GetLastResult(), 0);
}

TEST(ExtendedCommandGuard, NeedsAConnection) {
  TKV tkv;
  std::vector<int32_t> params(12, 0), data(1024, 0), answer(1024, 0);
  EXPECT_EQ(tkv.ExtendedCommand(params.data(), data.data(), answer.data()), 0);
  EXPECT_EQ(tkv.GetLastResult(), 10);
}

}  // namespace
