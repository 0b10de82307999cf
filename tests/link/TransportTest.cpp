// The transport and the answer validation over a real pseudo-terminal, with
// the simulated detector misbehaving on purpose.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <numeric>
#include <regex>
#include <thread>
#include <vector>

#include "SimulatedPort.h"
#include "TKV.h"

namespace {

using sim::Fault;
using sim::FaultKind;

constexpr int kInterByteMs = 20;
constexpr int kTotalMs = 100;  // 8 reads: a silent detector costs 800 ms

constexpr uint8_t kRefresh = 7;        // M = 0
constexpr uint8_t kQueryRestart = 35;  // M = 1
constexpr uint8_t kReadMemory = 3;
constexpr uint8_t kWriteMemory = 4;

std::string ErrorTextOf(const TKV& tkv) {
  char text[128] = {};
  return tkv.GetErrorText(text) ? std::string(text) : std::string("<none>");
}

class Transport : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(tkv.Connect(port.number(), kInterByteMs, kTotalMs, 8), 1) << tkv.GetLastResult();
  }
  int Send(uint8_t code, int answerDataLength) {
    return tkv.SendCommand(code, 0, answerDataLength, {}, nullptr, answer);
  }
  testsupport::SimulatedPort port;
  TKV tkv;
  uint8_t answer[frame::kMaxAnswer] = {};
};

struct FaultCase {
  const char* name;
  Fault fault;
  uint8_t code;
  int answerDataLength;
  int expectedResult;  // 1 = accepted
};
void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class TransportFaults : public Transport, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(TransportFaults, GiveTheirResultCode) {
  const FaultCase& c = GetParam();
  port.detector().InjectFault(c.fault);
  int done = Send(c.code, c.answerDataLength);
  if (c.expectedResult == 1) {
    EXPECT_EQ(done, 1) << tkv.GetLastResult();
  } else {
    EXPECT_EQ(done, 0);
    EXPECT_EQ(tkv.GetLastResult(), c.expectedResult);
  }
  // The detector answers normally again, and nothing of the fault lingers.
  EXPECT_EQ(Send(kQueryRestart, 1), 1) << tkv.GetLastResult();
}

INSTANTIATE_TEST_SUITE_P(
    Answers, TransportFaults,
    ::testing::Values(
        FaultCase{"Silent", {FaultKind::Silent, kQueryRestart}, kQueryRestart, 1, 4},
        FaultCase{"AfterTwoSilentReads", {FaultKind::Delay, kQueryRestart, 1, 250},
                  kQueryRestart, 1, 1},
        FaultCase{"OnTheLastPermittedRead", {FaultKind::Delay, kQueryRestart, 1, 750},
                  kQueryRestart, 1, 1},
        FaultCase{"SplitOverSeveralReads", {FaultKind::Split, kQueryRestart, 1, 60},
                  kQueryRestart, 1, 1},
        FaultCase{"Short", {FaultKind::Short, kQueryRestart, 1, 1}, kQueryRestart, 1, 4},
        FaultCase{"Long", {FaultKind::Long, kQueryRestart, 1, 2}, kQueryRestart, 1, 6},
        FaultCase{"BadChecksum", {FaultKind::BadChecksum, kQueryRestart}, kQueryRestart, 1, 7},
        FaultCase{"RefusedWithData", {FaultKind::Refuse, kQueryRestart}, kQueryRestart, 1, 8},
        FaultCase{"RefusedStatusOnly", {FaultKind::Refuse, kRefresh}, kRefresh, 0, 8},
        FaultCase{"StatusOnlyAcknowledged", {FaultKind::Delay, kRefresh, 1, 0}, kRefresh, 0,
                  1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Transport, LateAnswerOfAnAbandonedTransactionIsNotTakenForTheNext) {
  port.detector().InjectFault({FaultKind::Delay, kQueryRestart, 1, 900});
  EXPECT_EQ(Send(kQueryRestart, 1), 0);
  EXPECT_EQ(tkv.GetLastResult(), 4);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the stale "01 00 08" is in

  port.detector().InjectFault({FaultKind::Refuse, kRefresh});
  EXPECT_EQ(Send(kRefresh, 0), 0) << "a stale 01 was read as the acknowledgement";
  EXPECT_EQ(tkv.GetLastResult(), 8);
}

TEST_F(Transport, VanishedDeviceIsAReadErrorAtOnce) {
  port.detector().InjectFault({FaultKind::DropLine, kQueryRestart});
  EXPECT_EQ(Send(kQueryRestart, 1), 0);
  EXPECT_EQ(tkv.GetLastResult(), 2);
  EXPECT_EQ(ErrorTextOf(tkv), "Read error");
  EXPECT_EQ(tkv.GetWindowsError(), static_cast<uint32_t>(EIO));
}

TEST_F(Transport, EveryByteValueCrossesIntactBothWays) {
  std::vector<uint8_t> all(256);
  std::iota(all.begin(), all.end(), 0);  // 0x11, 0x13, CR, LF, ^C, ^D among them
  const frame::Params at2048{0x00, 0x08, 0x00, 0x01};
  ASSERT_EQ(tkv.SendCommand(kWriteMemory, 256, 0, at2048, all.data(), answer), 1)
      << tkv.GetLastResult();
  ASSERT_EQ(tkv.SendCommand(kReadMemory, 0, 256, at2048, nullptr, answer), 1)
      << tkv.GetLastResult();
  EXPECT_EQ(std::vector<uint8_t>(answer + 1, answer + 257), all);
}

TEST(TransportOpen, PortNumbersOutsideOneTo255AreRefusedWithoutTouchingTheSystem) {
  for (unsigned port : {0u, 256u, 1000u}) {
    TKV tkv;
    EXPECT_EQ(tkv.Connect(port, 0, 0, 0), 0);
    EXPECT_EQ(tkv.GetLastResult(), 3) << port;
    EXPECT_EQ(tkv.GetWindowsError(), 0u) << port;
    EXPECT_EQ(ErrorTextOf(tkv), "<none>");
  }
}

TEST(TransportOpen, PortHeldByAnotherProgramFailsToOpen) {
  testsupport::SimulatedPort port;
  int other = open(port.detector().SlavePath().c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(other, 0);
  ASSERT_EQ(flock(other, LOCK_EX | LOCK_NB), 0);

  TKV tkv;
  EXPECT_EQ(tkv.Connect(port.number(), 0, 0, 0), 0);
  EXPECT_EQ(tkv.GetLastResult(), 2);
  EXPECT_EQ(ErrorTextOf(tkv), "Invalid Handle (-1): in use by another program (COM5, " +
                                  port.detector().SlavePath() + ")");
  EXPECT_EQ(tkv.GetWindowsError(), static_cast<uint32_t>(EWOULDBLOCK));
  close(other);

  // Released by the other program, the port opens.
  TKV again;
  EXPECT_EQ(again.Connect(port.number(), 0, 0, 0), 1) << again.GetLastResult();
}

TEST(TransportOpen, SecondConnectionToAHeldPortFailsAndTheFirstKeepsWorking) {
  testsupport::SimulatedPort port;
  TKV first, second;
  ASSERT_EQ(first.Connect(port.number(), 0, 0, 0), 1);
  EXPECT_EQ(second.Connect(port.number(), 0, 0, 0), 0);
  EXPECT_EQ(second.GetLastResult(), 2);
  EXPECT_EQ(first.GetRestartPending(), 0) << first.GetLastResult();
  first.Disconnect();
  TKV third;
  EXPECT_EQ(third.Connect(port.number(), 0, 0, 0), 1) << third.GetLastResult();
}

// The user learns why, not only an error number.
TEST(TransportOpen, NoPermissionSaysWhichGroupGrantsTheDevice) {
  testsupport::SimulatedPort port;
  const std::string slave = port.detector().SlavePath();
  ASSERT_EQ(chmod(slave.c_str(), 0600), 0);
  ASSERT_EQ(chmod(port.portsDir().c_str(), 0755), 0);
  pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    // Root opens anything: try as an ordinary user.
    if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
    if (getuid() != 0) chmod(slave.c_str(), 0);
    TKV tkv;
    bool refused = tkv.Connect(port.number(), 0, 0, 0) == 0 && tkv.GetLastResult() == 2 &&
                   tkv.GetWindowsError() == EACCES;
    std::string text = ErrorTextOf(tkv);
    bool explained = text.rfind("Invalid Handle (-1): permission denied", 0) == 0 &&
                     text.find("group") != std::string::npos;
    _exit(refused && explained ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(TransportOpen, DeviceThatIsNoSerialPortFailsAtTheLineSettings) {
  testsupport::TempPortsDir dir;
  ASSERT_EQ(symlink("/dev/null", (dir.path() + "/COM9").c_str()), 0);
  TKV tkv;
  EXPECT_EQ(tkv.Connect(9, 0, 0, 0), 0);
  EXPECT_EQ(tkv.GetLastResult(), 2);
  EXPECT_EQ(ErrorTextOf(tkv),
            "Error trying to get control setting information: not a serial device (COM9, /dev/null)");
  EXPECT_EQ(tkv.GetWindowsError(), static_cast<uint32_t>(ENOTTY));
}

TEST(TransportOpen, ComNumberWithoutADeviceIsAnOpenFailure) {
  testsupport::TempPortsDir empty;
  TKV tkv;
  EXPECT_EQ(tkv.Connect(254, 0, 0, 0), 0);
  EXPECT_EQ(tkv.GetLastResult(), 2);
  EXPECT_TRUE(std::regex_match(
      ErrorTextOf(tkv), std::regex("Invalid Handle \\(-1\\): no such port, [0-9]+ serial devices? "
                                   "found, see the device-manager button \\(COM254\\)")))
      << ErrorTextOf(tkv);
  EXPECT_EQ(tkv.GetWindowsError(), static_cast<uint32_t>(ENOENT));
}

}  // namespace
