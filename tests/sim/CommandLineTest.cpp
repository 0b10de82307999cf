// vorenxr-sim as a program: options, its COM link and a clean exit.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <filesystem>

#include "CommandLine.h"
#include "SlaveLine.h"

namespace simtest {
namespace {

// A running vorenxr-sim with its standard output and error on pipes.
class Program {
 public:
  explicit Program(std::vector<std::string> args, const std::string& portsDir = "") {
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
  ~Program() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      Wait();
    }
    if (out_) fclose(out_);
    if (err_) fclose(err_);
  }

  std::string OutputLine() { return LineOf(out_); }
  // Everything the program writes on standard output, or error, until it exits.
  std::string All(bool error) {
    FILE* f = error ? err_ : out_;
    std::string text;
    char buffer[4096];
    while (f && fgets(buffer, sizeof buffer, f)) text += buffer;
    return text;
  }
  void Signal(int sig) { kill(pid_, sig); }
  int Wait() {
    int status = 0;
    waitpid(pid_, &status, 0);
    exited_ = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  static std::string LineOf(FILE* f) {
    char buffer[4096];
    if (!f || !fgets(buffer, sizeof buffer, f)) return {};
    std::string line = buffer;
    if (!line.empty() && line.back() == '\n') line.pop_back();
    return line;
  }

  pid_t pid_ = -1;
  bool exited_ = false;
  FILE* out_ = nullptr;
  FILE* err_ = nullptr;
};

TEST(CommandLine, HelpDocumentsEveryOption) {
  Program help({"--help"});
  std::string text = help.All(false);
  EXPECT_EQ(help.Wait(), 0);
  for (const char* option : {"--com",
                             "--link",
                             "--variant",
                             "--channels",
                             "--eeprom-not-read",
                             "--wrong-configuration",
                             "--bad-factory-checksum",
                             "--bad-config-checksum",
                             "--bad-loop-checksum",
                             "--bad-log-header-checksum",
                             "--log",
                             "--restart-pending",
                             "--restart-to-maintenance",
                             "--fault",
                             "refuse",
                             "silent",
                             "short",
                             "long",
                             "bad-checksum",
                             "split",
                             "delay",
                             "garbage",
                             "drop-line",
                             "--help"})
    EXPECT_NE(text.find(option), std::string::npos) << option;
}

TEST(CommandLine, BadOptionsExitWithCode2AndSayWhy) {
  const std::vector<std::string> bad[] = {
      {"--bogus"},    {"--channels", "3"}, {"--variant", "wall-mounted"}, {"--com"},
      {"--com", "0"}, {"--fault", "melt"}, {"--fault", "split:300"},      {"--log", "half"},
  };
  for (const auto& args : bad) {
    Program p(args);
    std::string message = p.All(true);
    EXPECT_EQ(p.Wait(), 2) << args[0];
    EXPECT_NE(message.find(args.size() > 1 ? args[1] : args[0]), std::string::npos) << message;
  }
}

TEST(CommandLine, FaultNotation) {
  struct Case {
    const char* text;
    sim::FaultKind kind;
    int command, count, param;
  } cases[] = {
      {"refuse", sim::FaultKind::Refuse, -1, 1, 0},
      {"split:3:2:150", sim::FaultKind::Split, 3, 2, 150},
      {"delay:any:always:20", sim::FaultKind::Delay, -1, -1, 20},
      {"drop-line:6", sim::FaultKind::DropLine, 6, 1, 0},
  };
  for (const Case& c : cases) {
    sim::Fault f{sim::FaultKind::Silent};
    std::string error;
    ASSERT_TRUE(sim::ParseFault(c.text, f, error)) << c.text << ": " << error;
    EXPECT_EQ(f.kind, c.kind) << c.text;
    EXPECT_EQ(f.command, c.command) << c.text;
    EXPECT_EQ(f.count, c.count) << c.text;
    EXPECT_EQ(f.param, c.param) << c.text;
  }
  sim::Fault f{sim::FaultKind::Silent};
  std::string error;
  for (const char* bad : {"silent:3:0", "short:3:1:x", "delay:1:1:1:1", ""})
    EXPECT_FALSE(sim::ParseFault(bad, f, error)) << bad;
}

TEST(CommandLine, RegistersComAndRemovesItOnSigterm) {
  char pattern[] = "/tmp/vorenxr-simtest-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::filesystem::path ports = std::filesystem::path(pattern) / "nested" / "ports";
  const std::filesystem::path com7 = ports / "COM7";

  Program p({"--com", "7", "--fault", "refuse:30"}, ports.string());
  std::string slave = p.OutputLine();
  EXPECT_EQ(p.OutputLine(), "COM7");
  ASSERT_EQ(std::filesystem::read_symlink(com7).string(), slave);
  EXPECT_EQ(std::filesystem::status(ports).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_all);
  {
    SlaveLine line(com7.string());
    EXPECT_EQ(line.Exchange(RequestFrame(6), 1), Bytes{1});
    EXPECT_EQ(line.Exchange(RequestFrame(30), 76)[0], 0) << "the fault from the command line";
  }
  p.Signal(SIGTERM);
  EXPECT_EQ(p.Wait(), 0);
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(com7)));
  std::filesystem::remove_all(pattern);
}

}  // namespace
}  // namespace simtest
