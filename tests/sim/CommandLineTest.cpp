// vorenxr-sim as a program: options, its COM link and a clean exit.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "CommandLine.h"
#include "SimProgram.h"
#include "SlaveLine.h"

namespace simtest {
namespace {

TEST(CommandLine, HelpDocumentsEveryOption) {
  SimProgram help({"--help"});
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
                             "--bad-backup",
                             "--eeprom",
                             "--log",
                             "--restart-pending",
                             "--restart-to-maintenance",
                             "--press",
                             "--unsettled-density",
                             "--sounders-unloaded",
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
                             "store-different",
                             "echo",
                             "flood",
                             "trickle",
                             "late-next",
                             "--help"})
    EXPECT_NE(text.find(option), std::string::npos) << option;
}

// -h is --help; the text of every option, fault kind and fault field starts in
// one column, or on the next line below it when the name is too long.
TEST(CommandLine, ShortHelpAndOneOptionColumn) {
  SimProgram help({"--help"});
  SimProgram shortHelp({"-h"});
  const std::string text = help.All(false);
  EXPECT_EQ(shortHelp.All(false), text);
  EXPECT_EQ(shortHelp.Wait(), 0);
  EXPECT_EQ(help.Wait(), 0);
  constexpr size_t kTextColumn = 26;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.size() < 3 || line.compare(0, 2, "  ") != 0 || line[2] == ' ') continue;
    // A name is one word, or an option and its value ("--com N", "-h, --help").
    const size_t gap = line.find("  ", 2);
    const std::string name = line.substr(2, gap == std::string::npos ? gap : gap - 2);
    EXPECT_LE(std::count(name.begin(), name.end(), ' '), 1) << line;
    if (gap != std::string::npos) {
      EXPECT_EQ(line.find_first_not_of(' ', gap), kTextColumn) << line;
    }
  }
}

TEST(CommandLine, Version) {
  SimProgram version({"--version"});
  EXPECT_EQ(version.All(false), "vorenxr-sim " VORENXR_VERSION "\n");
  EXPECT_EQ(version.Wait(), 0);
}

TEST(CommandLine, BadOptionsExitWithCode2AndSayWhy) {
  const std::vector<std::string> bad[] = {
      {"--bogus"},
      {"--channels", "3"},
      {"--variant", "wall-mounted"},
      {"--com"},
      {"--com", "0"},
      {"--fault", "melt"},
      {"--fault", "split:300"},
      {"--log", "half"},
      {"--bad-backup", "bkp"},
      {"--eeprom"},
  };
  for (const auto& args : bad) {
    SimProgram p(args);
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
      {"store-different:4:always", sim::FaultKind::StoreDifferent, 4, -1, 0},
      {"echo:35", sim::FaultKind::Echo, 35, 1, 0},
      {"flood:any:1:500", sim::FaultKind::Flood, -1, 1, 500},
      {"trickle:3:2:60", sim::FaultKind::Trickle, 3, 2, 60},
      {"late-next:3:1:40", sim::FaultKind::LateNext, 3, 1, 40},
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

TEST(CommandLine, BackupAndEepromFileOptions) {
  sim::CommandLine line;
  std::string error;
  ASSERT_TRUE(sim::ParseCommandLine(
      {"--bad-backup", "cfg", "--eeprom", "/tmp/a detector", "--bad-backup", "onf"}, line, error))
      << error;
  EXPECT_EQ(line.detector.badBackups,
            (std::vector<sim::BackupArea>{sim::BackupArea::Config, sim::BackupArea::OnField}));
  EXPECT_EQ(line.detector.eepromFile, "/tmp/a detector");
}

TEST(CommandLine, RegistersComAndRemovesItOnSigterm) {
  char pattern[] = "/tmp/vorenxr-simtest-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::filesystem::path ports = std::filesystem::path(pattern) / "nested" / "ports";
  const std::filesystem::path com7 = ports / "COM7";

  SimProgram p({"--com", "7", "--fault", "refuse:30"}, ports.string());
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
