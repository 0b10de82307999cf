#pragma once
// vorenxr-sim run as a program of its own, its standard output and error on pipes.
#include <sys/types.h>

#include <cstdio>
#include <string>
#include <vector>

namespace simtest {

class SimProgram {
 public:
  // VORENXR_PORTS_DIR is set to portsDir for the program when it is given.
  explicit SimProgram(std::vector<std::string> args, const std::string& portsDir = "");
  ~SimProgram();  // kills the program if it still runs
  SimProgram(const SimProgram&) = delete;
  SimProgram& operator=(const SimProgram&) = delete;

  std::string OutputLine();  // the next line of standard output, without its line feed
  // Everything the program writes on standard output, or error, until it exits.
  std::string All(bool error);
  void Signal(int sig);
  pid_t pid() const { return pid_; }
  int Wait();  // the exit code; -1 when killed by a signal

 private:
  pid_t pid_ = -1;
  bool exited_ = false;
  FILE* out_ = nullptr;
  FILE* err_ = nullptr;
};

}  // namespace simtest
