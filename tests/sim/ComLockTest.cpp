// One simulator per COM number, with vorenxr-sim as a program: a second one
// asked for the COM number a live one serves is refused and the first keeps
// its link; the link and lock of one that ended are taken over silently.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "SimProgram.h"
#include "SlaveLine.h"

namespace simtest {
namespace {

namespace fs = std::filesystem;

class PortsDir {
 public:
  PortsDir() {
    char pattern[] = "/tmp/vorenxr-comlock-XXXXXX";
    if (mkdtemp(pattern)) path_ = pattern;
  }
  ~PortsDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// Starts a simulator on COM<com> and returns its line, or nothing when it did not start.
std::string StartOn(SimProgram& sim, const std::string& com) {
  const std::string slave = sim.OutputLine();
  return sim.OutputLine() == "COM" + com ? slave : std::string();
}

bool Answers(const fs::path& link) {
  SlaveLine line(link.string());
  return line.Exchange(RequestFrame(6), 1) == Bytes{1};
}

TEST(ComLock, ASecondSimulatorOnALiveOnesComIsRefused) {
  PortsDir ports;
  const fs::path com7 = ports.path() / "COM7";
  SimProgram first({"--com", "7"}, ports.path().string());
  const std::string slave = StartOn(first, "7");
  ASSERT_FALSE(slave.empty());

  SimProgram second({"--com", "7"}, ports.path().string());
  EXPECT_EQ(second.All(true), "vorenxr-sim: COM7 is in use by another simulator (pid " +
                                  std::to_string(first.pid()) + ")\n");
  EXPECT_EQ(second.All(false), "");
  EXPECT_EQ(second.Wait(), 1);

  EXPECT_EQ(fs::read_symlink(com7).string(), slave);
  EXPECT_TRUE(Answers(com7));
  SimProgram other({"--com", "8"}, ports.path().string());
  EXPECT_FALSE(StartOn(other, "8").empty()) << "another COM number is free";
}

TEST(ComLock, TheComOfASimulatorThatEndedIsTakenOver) {
  for (const int signal : {SIGTERM, SIGKILL}) {
    SCOPED_TRACE(signal == SIGTERM ? "stopped" : "killed, its link and lock file left behind");
    PortsDir ports;
    const fs::path com7 = ports.path() / "COM7";
    {
      SimProgram gone({"--com", "7"}, ports.path().string());
      ASSERT_FALSE(StartOn(gone, "7").empty());
      gone.Signal(signal);
      gone.Wait();
    }
    EXPECT_EQ(fs::exists(fs::symlink_status(com7)), signal == SIGKILL);

    SimProgram next({"--com", "7"}, ports.path().string());
    const std::string slave = StartOn(next, "7");
    ASSERT_FALSE(slave.empty());
    EXPECT_EQ(fs::read_symlink(com7).string(), slave);
    EXPECT_TRUE(Answers(com7));
    next.Signal(SIGTERM);
    EXPECT_EQ(next.All(true), "") << "taken over silently";
    EXPECT_EQ(next.Wait(), 0);
  }
}

}  // namespace
}  // namespace simtest
