// The detector's protocol as the tool meets it on the line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <iterator>
#include <thread>

#include "RunningDetector.h"
#include "commands/Command.h"

namespace simtest {
namespace {

using namespace std::chrono_literals;

struct Example {
  const char* name;
  Bytes request;
  Bytes answer;
};

// A header with a valid checksum that announces n data bytes, followed by none.
Bytes HeaderAnnouncing(uint8_t code, int n) {
  Bytes header = RequestFrame(code);
  header[1] = static_cast<uint8_t>(n >> 8);
  header[2] = static_cast<uint8_t>(n);
  header[15] = frame::Checksum(header.data(), 15);
  return header;
}

// Frames written out by hand, byte for byte, in the order they are sent.
TEST(Protocol, AnswersHandWrittenFramesInOrder) {
  RunningDetector d;
  const Example examples[] = {
      {"greet", {0x06, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x0E}, {0x01}},
      {"query restart", {0x23, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x2B}, {0x01, 0x00, 0x08}},
      {"write 05 at 1023",
       {0x04, 0x00, 0x01, 0xFF, 0x03, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x10, 0x05, 0x0D},
       {0x01}},
      {"read it back", ReadMemoryRequest(1023, 1), {0x01, 0x05, 0x0D}},
  };
  for (const Example& e : examples) {
    EXPECT_EQ(d.line->Exchange(e.request, e.answer.size()), e.answer) << e.name;
    EXPECT_TRUE(d.line->Read(1, 20).empty()) << e.name << ": more than the answer";
  }
}

TEST(Protocol, ImageCarriesValidAreasAndIdentity) {
  sim::DetectorOptions options;
  options.variant = sim::Variant::Quib;
  options.channels = 1;
  RunningDetector d(options);
  Bytes image = AnswerData(d.line->Exchange(ReadMemoryRequest(0, 512), 514));
  ASSERT_EQ(image.size(), 512u);
  EXPECT_EQ(image[48], AreaSum(image, 0, 47, 1)) << "[LOB]";
  EXPECT_EQ(image[275], AreaSum(image, 256, 274, 3)) << "[FCT]";
  EXPECT_EQ(image[495], AreaSum(image, 276, 494, 5)) << "[CFG]";
  EXPECT_EQ(image[257], 1) << "channel count";
  EXPECT_EQ(image[259], 4) << "variant";
  EXPECT_EQ(Bytes(image.begin() + 14, image.begin() + 18),
            Bytes(image.begin() + 260, image.begin() + 264))
      << "serial number copy in [LOB]";
  EXPECT_EQ(image[287], 1);
  EXPECT_EQ(image[288], 0) << "channel 2 disabled";
  for (int i = 276; i <= 279; ++i)
    EXPECT_TRUE(image[i] >= 1 && image[i] <= 9) << "password digit " << i;
  for (int ch = 0; ch < 2; ++ch)
    EXPECT_TRUE(image[412 + 2 * ch] < image[404 + 2 * ch] &&
                image[404 + 2 * ch] < image[408 + 2 * ch])
        << "minimum < reference < maximum flow, channel " << ch + 1;
  EXPECT_EQ(image[387], ' ') << "label blank-filled";
}

// 0x11 and 0x13 would vanish under software flow control; the last page ends the EEPROM.
TEST(Protocol, WrittenBytesReadBackAnywhere) {
  RunningDetector d;
  for (int address : {600, 32768 - 1024}) {
    Bytes data(1024);
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 7 + 0x11);
    data[1] = 0x13;
    ASSERT_EQ(d.line->Exchange(WriteMemoryRequest(address, data), 1), Bytes{1}) << address;
    EXPECT_EQ(AnswerData(d.line->Exchange(ReadMemoryRequest(address, 1024), 1026)), data)
        << address;
  }
}

TEST(Protocol, RefusesDamagedUnknownAndImpossibleRequests) {
  RunningDetector d;
  Bytes badHeader = RequestFrame(6);
  badHeader[15] ^= 1;
  Bytes badStateHeader = RequestFrame(30);
  badStateHeader[15] ^= 1;
  Bytes badData = WriteMemoryRequest(700, {1, 2, 3});
  badData.back() ^= 1;
  Bytes shortWrite = WriteMemoryRequest(700, {1, 2, 3});  // announces 3, P3 says 4
  shortWrite[5] = 4;
  shortWrite[15] = static_cast<uint8_t>(shortWrite[15] + 1);
  const Example refused[] = {
      // More than 1024 data bytes cannot be: the header alone is refused.
      {"write, header announces 1025 bytes", HeaderAnnouncing(4, 1025), {0}},
      {"state, header announces 65535 bytes", HeaderAnnouncing(30, 65535), Bytes(76, 0)},
      {"greet, bad header checksum", badHeader, {0}},
      {"state, bad header checksum", badStateHeader, Bytes(76, 0)},
      {"unknown code", RequestFrame(99), {0}},
      {"write, bad data checksum", badData, {0}},
      {"write, count and data length differ", shortWrite, {0}},
      {"read past the end", ReadMemoryRequest(32768 - 10, 11), Bytes(13, 0)},
      {"extended, unknown sub-command", ExtendedRequest({10}), Bytes(1026, 0)},
      {"extended, page 32", ExtendedRequest({2, 32}), Bytes(1026, 0)},
  };
  for (const Example& e : refused) {
    Bytes answer = d.line->Exchange(e.request, e.answer.size());
    ASSERT_EQ(answer.size(), e.answer.size()) << e.name;
    EXPECT_EQ(answer[0], 0) << e.name;
    EXPECT_TRUE(d.line->Read(1, 20).empty()) << e.name << ": more than the answer";
  }
  Bytes memory = AnswerData(d.line->Exchange(ReadMemoryRequest(700, 3), 5));
  EXPECT_NE(memory, Bytes({1, 2, 3})) << "a refused write stores nothing";
}

// Whatever lies behind a header in memory is not part of the request, even when it
// would complete a valid frame of 1025 data bytes.
TEST(Protocol, NeverSumsDataBeyondTheRequest) {
  Bytes bytes = HeaderAnnouncing(4, 1025);
  Bytes data(1025, 0x11);
  bytes.insert(bytes.end(), data.begin(), data.end());
  bytes.push_back(frame::Checksum(data.data(), data.size()));
  sim::Request alone{bytes.data(), frame::kHeaderSize};
  EXPECT_TRUE(alone.headerOk());
  EXPECT_FALSE(alone.dataOk());
}

TEST(Protocol, AssemblesRequestsArrivingInPieces) {
  RunningDetector d;
  Bytes request = WriteMemoryRequest(800, {9, 8, 7});
  const size_t cuts[] = {0, 5, 16, 18, request.size()};  // inside the header, header, data
  for (size_t i = 0; i + 1 < std::size(cuts); ++i) {
    if (i > 0) {
      EXPECT_TRUE(d.line->Read(1, 30).empty()) << "answered after " << cuts[i] << " bytes";
    }
    d.line->Write(Bytes(request.begin() + static_cast<long>(cuts[i]),
                        request.begin() + static_cast<long>(cuts[i + 1])));
  }
  EXPECT_EQ(d.line->Read(1), Bytes{1});
}

TEST(Protocol, DropsAnIncompleteRequestLeftIdle) {
  RunningDetector d;
  d.line->Write({0x03, 0x00, 0x00, 0x07, 0x09});
  std::this_thread::sleep_for(600ms);
  EXPECT_EQ(d.line->Exchange(RequestFrame(6), 1), Bytes{1});
}

TEST(Protocol, ExtendedSubCommands) {
  sim::DetectorOptions options;
  options.variant = sim::Variant::LoopBased;
  RunningDetector d(options);
  auto values = [&](std::vector<uint8_t> params) {
    return AnswerData(d.line->Exchange(ExtendedRequest(std::move(params)), 1026));
  };
  Bytes header = AnswerData(d.line->Exchange(ReadMemoryRequest(1024, 64), 66));
  Bytes page1 = values({2, 1});
  ASSERT_EQ(page1.size(), 1024u);
  EXPECT_EQ(Bytes(page1.begin(), page1.begin() + 64), header)
      << "page 1 starts with the log header";

  ASSERT_EQ(values({5, 0xFF, 0x03, 0x5A}).size(), 1024u) << "write EEPROM byte 1023";
  EXPECT_EQ(values({6, 0xFF, 0x03})[0], 0x5A);
  EXPECT_EQ(AnswerData(d.line->Exchange(ReadMemoryRequest(1023, 1), 3)), Bytes{0x5A});

  ASSERT_EQ(values({7, 0x78, 0x56, 0x34, 0x12, 0x77}).size(), 1024u) << "write RAM";
  EXPECT_EQ(values({3, 0x78, 0x56, 0x34, 0x12})[0], 0x77);
  EXPECT_EQ(values({3, 0x79, 0x56, 0x34, 0x12})[0], 0);

  Bytes loop = values({4});
  uint8_t loopAddress =
      d.detector.WithModel([](sim::DeviceModel& m) { return m.live().loopAddress; });
  EXPECT_NE(loopAddress, 0);
  EXPECT_EQ(loop[1] * 10 + loop[0], loopAddress);

  Bytes version = values({9});
  Bytes image = AnswerData(d.line->Exchange(ReadMemoryRequest(0, 512), 514));
  EXPECT_EQ(Bytes(version.begin(), version.begin() + 3),
            Bytes({image[265], image[273], image[274]}));
  Bytes info = values({1});
  EXPECT_EQ(info[18], 0);
  EXPECT_EQ(info[19], 0);
  EXPECT_EQ(values({8}).size(), 1024u);
}

// The tool closes and reopens the port at will; the detector keeps answering.
TEST(Protocol, ServesEveryReconnection) {
  RunningDetector d;
  d.line.reset();
  for (int round = 0; round < 5; ++round) {
    SlaveLine line(d.detector.SlavePath());
    ASSERT_TRUE(line.isOpen());
    EXPECT_EQ(line.Exchange(RequestFrame(6), 1), Bytes{1}) << "round " << round;
  }
}

TEST(Protocol, RecordsRequestsAsReceived) {
  RunningDetector d;
  Bytes read = ReadMemoryRequest(5, 2);
  d.line->Exchange(read, 4);
  d.line->Exchange(RequestFrame(6), 1);
  EXPECT_EQ(d.detector.RequestCount(), 2u);
  EXPECT_EQ(d.detector.LastRequest(3), read);
  EXPECT_EQ(d.detector.LastRequest(), RequestFrame(6));
  EXPECT_TRUE(d.detector.LastRequest(30).empty());
}

TEST(Protocol, RequestLogKeepsEveryFrameInOrderUntilCleared) {
  RunningDetector d;
  const Example sent[] = {
      {"greet", RequestFrame(6), {1}},
      {"read", ReadMemoryRequest(5, 2), Bytes(4)},
      {"write", WriteMemoryRequest(900, {1, 2}), {1}},
      {"unknown", RequestFrame(99), {0}},
      {"greet again", RequestFrame(6), {1}},
  };
  std::vector<Bytes> expected;
  for (const Example& e : sent) {
    ASSERT_EQ(d.line->Exchange(e.request, e.answer.size()).size(), e.answer.size()) << e.name;
    expected.push_back(e.request);
  }
  EXPECT_EQ(d.detector.RequestLog(), expected) << "unknown and repeated requests too";

  d.detector.ClearRequestLog();
  EXPECT_TRUE(d.detector.RequestLog().empty());
  d.line->Exchange(RequestFrame(30), 76);
  EXPECT_EQ(d.detector.RequestLog(), std::vector<Bytes>{RequestFrame(30)});

  d.detector.Stop();
  ASSERT_TRUE(d.detector.Start());
  EXPECT_TRUE(d.detector.RequestLog().empty()) << "a new start, a new log";
}

}  // namespace
}  // namespace simtest
