// The simulator as its own program: the tool connects to it by COM number.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "SimulatedPort.h"
#include "TKV.h"

namespace {

TEST(SimulatorProgram, AnswersOnItsComNumberFromAnotherProcess) {
  testsupport::TempPortsDir dir;
  int out[2];
  ASSERT_EQ(pipe(out), 0);
  pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    execl(VORENXR_SIM_PATH, VORENXR_SIM_PATH, "--com", "7", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  // The simulator prints its pseudo-terminal once it is ready to answer.
  FILE* announced = fdopen(out[0], "r");
  char line[256] = {};
  ASSERT_NE(fgets(line, sizeof line, announced), nullptr);
  EXPECT_NE(std::string(line).find("/dev/pts/"), std::string::npos) << line;

  const std::string link = dir.path() + "/COM7";
  struct stat st {};
  EXPECT_EQ(lstat(link.c_str(), &st), 0);
  {
    TKV tkv;
    EXPECT_EQ(tkv.Connect(7, 0, 0, 0), 1) << tkv.GetLastResult();
    EXPECT_EQ(tkv.GetVariant(), 1);
  }

  kill(pid, SIGTERM);
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_NE(lstat(link.c_str(), &st), 0) << "the COM7 link outlived the simulator";
  fclose(announced);
}

}  // namespace
