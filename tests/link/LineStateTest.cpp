// What TKV tells about its line: a detector that went away, and why a port
// did not open, over a real pseudo-terminal with the simulated detector.
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <regex>
#include <string>

#include "SimulatedPort.h"
#include "TKV.h"

namespace {

using sim::FaultKind;

constexpr uint8_t kQueryRestart = 35;

int QueryRestart(TKV& tkv) {
  uint8_t answer[frame::kMaxAnswer] = {};
  return tkv.SendCommand(kQueryRestart, 0, 1, {}, nullptr, answer);
}

// The result codes are those of any failed exchange; only IsLinkLost tells a
// vanished detector from one that answered badly or not at all.
TEST(LinkLoss, OnlyAVanishedDeviceMarksTheLinkLostUntilDisconnect) {
  testsupport::SimulatedPort port;
  TKV tkv;
  ASSERT_EQ(tkv.Connect(port.number(), 20, 100, 8), 1) << tkv.GetLastResult();
  EXPECT_EQ(tkv.GetPortNumber(), port.number());
  EXPECT_EQ(tkv.GetPortDevice(), port.detector().SlavePath());
  EXPECT_EQ(tkv.IsLinkLost(), 0);

  for (FaultKind kind : {FaultKind::Refuse, FaultKind::Silent, FaultKind::BadChecksum}) {
    port.detector().InjectFault({kind, kQueryRestart});
    EXPECT_EQ(QueryRestart(tkv), 0);
    EXPECT_EQ(tkv.IsLinkLost(), 0) << "result " << tkv.GetLastResult();
  }

  port.detector().InjectFault({FaultKind::DropLine, kQueryRestart});
  EXPECT_EQ(QueryRestart(tkv), 0);
  EXPECT_EQ(tkv.GetLastResult(), 2);
  EXPECT_EQ(tkv.GetWindowsError(), static_cast<uint32_t>(EIO));
  EXPECT_EQ(tkv.IsLinkLost(), 1);
  // The next exchange meets the dead line too, and the link stays lost.
  EXPECT_EQ(QueryRestart(tkv), 0);
  EXPECT_EQ(tkv.GetLastResult(), 2);
  EXPECT_EQ(tkv.IsLinkLost(), 1);
  EXPECT_EQ(tkv.IsConnected(), 1);

  EXPECT_EQ(tkv.Disconnect(), 1);
  EXPECT_EQ(tkv.IsLinkLost(), 0);
}

// ErrorText is 128 characters with its terminator: a long device path gives
// way at its front, the cause and the device's own name stay whole.
TEST(OpenFailureText, ALongDevicePathIsShortenedAndTheCauseKept) {
  struct Case {
    const char* name;
    std::string folder;
  };
  std::string accents;
  for (int i = 0; i < 100; ++i) accents += "\xC3\xA9";  // "é", two bytes each
  for (const Case& c : {Case{"plain", std::string(200, 'd')}, Case{"accented", accents}}) {
    SCOPED_TRACE(c.name);
    testsupport::TempPortsDir dir;
    const std::string target = "/nonexistent/" + c.folder + "/ttyUSB0";
    ASSERT_EQ(symlink(target.c_str(), (dir.path() + "/COM7").c_str()), 0);
    TKV tkv;
    EXPECT_EQ(tkv.Connect(7, 0, 0, 0), 0);
    EXPECT_EQ(tkv.GetWindowsError(), static_cast<uint32_t>(ENOENT));

    char text[128];
    std::memset(text, 'x', sizeof text);
    ASSERT_TRUE(tkv.GetErrorText(text));
    const size_t length = strnlen(text, sizeof text);
    EXPECT_LT(length, sizeof text) << "no terminator";
    const std::string shown(text, length);
    EXPECT_TRUE(std::regex_match(
        shown, std::regex("Invalid Handle \\(-1\\): no such port, [0-9]+ serial devices? found, "
                          "see the device-manager button \\(COM7, \\.\\.\\..+/ttyUSB0\\)")))
        << shown;
    const size_t cut = shown.find("...") + 3;
    EXPECT_NE(static_cast<unsigned char>(shown[cut]) & 0xC0, 0x80u) << "half a character";
  }
}

}  // namespace
