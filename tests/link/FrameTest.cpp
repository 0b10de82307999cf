// Request and answer frames, byte for byte, from the detector's worked examples.
#include <gtest/gtest.h>

#include <vector>

#include "Frame.h"
#include "ResultCodes.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct RequestCase {
  const char* name;
  uint8_t code;
  frame::Params params;
  Bytes data;
  Bytes expected;
};
void PrintTo(const RequestCase& c, std::ostream* os) { *os << c.name; }

class RequestFrames : public ::testing::TestWithParam<RequestCase> {};

TEST_P(RequestFrames, AreByteExact) {
  const RequestCase& c = GetParam();
  uint8_t out[frame::kMaxRequest];
  int n = frame::BuildRequest(c.code, static_cast<int>(c.data.size()), c.params, c.data.data(),
                              out);
  EXPECT_EQ(Bytes(out, out + n), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, RequestFrames,
    ::testing::Values(
        RequestCase{"QueryRestart", 35, {}, {},
                    {0x23, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x2B}},
        RequestCase{"Greet", 6, {}, {}, {0x06, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x0E}},
        RequestCase{"ReadMemory64At1024", 3, {0x00, 0x04, 0x40, 0x00}, {},
                    {0x03, 0, 0, 0x00, 0x04, 0x40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x4F}},
        // The header parameters sum past 255 and wrap to 0x10.
        RequestCase{"WriteMemoryOneByteAt1023", 4, {0xFF, 0x03, 0x01, 0x00}, {0x05},
                    {0x04, 0x00, 0x01, 0xFF, 0x03, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x10, 0x05,
                     0x0D}},
        RequestCase{"SetClock", 20, {}, {0x01, 0x01, 0x0B, 0x00, 0x00, 0x00},
                    {0x14, 0x00, 0x06, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x22, 0x01, 0x01,
                     0x0B, 0x00, 0x00, 0x00, 0x15}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RequestFrames, DataLengthIsSplitIntoHighAndLowBytes) {
  for (auto [length, high, low] : {std::tuple{256, 1, 0}, {1024, 4, 0}, {1023, 3, 255}}) {
    Bytes data(static_cast<size_t>(length), 0);
    uint8_t out[frame::kMaxRequest];
    int n = frame::BuildRequest(36, length, {}, data.data(), out);
    EXPECT_EQ(n, 17 + length);
    EXPECT_EQ(out[1], high) << length;
    EXPECT_EQ(out[2], low) << length;
    EXPECT_EQ(out[16 + length], 8) << "checksum of zeros is the seed";
  }
}

TEST(AnswerFrames, CarryStatusDataAndChecksum) {
  const uint8_t seven[] = {1, 2, 3, 4, 5, 6, 7};
  uint8_t out[frame::kMaxAnswer];
  int n = frame::BuildAnswer(1, seven, 7, out);
  EXPECT_EQ(Bytes(out, out + n), (Bytes{0x01, 1, 2, 3, 4, 5, 6, 7, 0x24}));

  const uint8_t zero = 0;
  n = frame::BuildAnswer(1, &zero, 1, out);
  EXPECT_EQ(Bytes(out, out + n), (Bytes{0x01, 0x00, 0x08}));

  EXPECT_EQ(frame::AnswerLength(0), 1);
  EXPECT_EQ(frame::AnswerLength(74), 76);
  EXPECT_EQ(frame::AnswerLength(1024), 1026);
}

TEST(ResultTexts, CoverEveryCodeAndNothingElse) {
  EXPECT_STREQ(ResultText(0), "unknown error");
  EXPECT_STREQ(ResultText(4), "timeout reached waiting answer from COM port");
  EXPECT_STREQ(ResultText(24), "impossible to read/write device clock");
  EXPECT_STREQ(ResultText(25), "");
  EXPECT_STREQ(ResultText(-1), "");
}

}  // namespace
