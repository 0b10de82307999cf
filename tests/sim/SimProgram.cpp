#include "SimProgram.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace simtest {
namespace {

std::string LineOf(FILE* f) {
  char buffer[4096];
  if (!f || !fgets(buffer, sizeof buffer, f)) return {};
  std::string line = buffer;
  if (!line.empty() && line.back() == '\n') line.pop_back();
  return line;
}

}  // namespace

SimProgram::SimProgram(std::vector<std::string> args, const std::string& portsDir) {
  int out[2], err[2];
  if (pipe(out) != 0 || pipe(err) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    dup2(out[1], 1);
    dup2(err[1], 2);
    if (!portsDir.empty()) setenv("VORENXR_PORTS_DIR", portsDir.c_str(), 1);
    std::vector<char*> argv{const_cast<char*>(VORENXR_SIM_PATH)};
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(out[1]);
  close(err[1]);
  out_ = fdopen(out[0], "r");
  err_ = fdopen(err[0], "r");
}

SimProgram::~SimProgram() {
  if (pid_ > 0 && !exited_) {
    kill(pid_, SIGKILL);
    Wait();
  }
  if (out_) fclose(out_);
  if (err_) fclose(err_);
}

std::string SimProgram::OutputLine() { return LineOf(out_); }

std::string SimProgram::All(bool error) {
  FILE* f = error ? err_ : out_;
  std::string text;
  char buffer[4096];
  while (f && fgets(buffer, sizeof buffer, f)) text += buffer;
  return text;
}

void SimProgram::Signal(int sig) { kill(pid_, sig); }

int SimProgram::Wait() {
  int status = 0;
  waitpid(pid_, &status, 0);
  exited_ = true;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace simtest
