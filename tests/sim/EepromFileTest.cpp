// The EEPROM kept in a file: what the tool writes survives a restart of the
// simulator, and a file that cannot be trusted is refused and left alone.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "RunningDetector.h"
#include "SimProgram.h"

namespace simtest {
namespace {

namespace fs = std::filesystem;

class TempDir {
 public:
  TempDir() {
    char pattern[] = "/tmp/vorenxr-eeprom-XXXXXX";
    if (!mkdtemp(pattern)) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  fs::path operator/(const char* name) const { return path_ / name; }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

Bytes FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void PutFile(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// A file as the simulator makes it for a new detector.
Bytes MadeFile(const fs::path& path) {
  sim::DetectorOptions options;
  options.eepromFile = path.string();
  sim::SimulatedDetector detector(options);
  std::string error;
  if (!detector.Start(&error)) throw std::runtime_error(error);
  detector.Stop();
  return FileBytes(path);
}

Bytes ReadOver(SlaveLine& line, int address) {
  Bytes answer = line.Exchange(ReadMemoryRequest(address, 1), 3);
  return answer.size() == 3 && answer[0] == 1 ? Bytes{answer[1]} : Bytes{};
}

// Killed the written bytes must already be in the file; stopped cleanly, too.
TEST(EepromFile, ProgramKeepsWhatWasWrittenAcrossRestarts) {
  TempDir dir;
  const std::string file = (dir / "detector.eeprom").string();
  {
    SimProgram p({"--eeprom", file});
    SlaveLine line(p.OutputLine());
    ASSERT_TRUE(fs::exists(file)) << "made at start";
    ASSERT_EQ(line.Exchange(WriteMemoryRequest(1023, {0x5A}), 1), Bytes{1});
    ASSERT_EQ(line.Exchange(ExtendedRequest({5, 0x88, 0x13, 0xA5}), 1026)[0], 1);
    p.Signal(SIGKILL);
    p.Wait();
  }
  {
    SimProgram p({"--eeprom", file});
    SlaveLine line(p.OutputLine());
    EXPECT_EQ(ReadOver(line, 1023), Bytes{0x5A});
    EXPECT_EQ(ReadOver(line, 5000), Bytes{0xA5});
    ASSERT_EQ(line.Exchange(WriteMemoryRequest(1023, {0x3C}), 1), Bytes{1});
    p.Signal(SIGTERM);
    EXPECT_EQ(p.Wait(), 0);
  }
  SimProgram p({"--eeprom", file});
  SlaveLine line(p.OutputLine());
  EXPECT_EQ(ReadOver(line, 1023), Bytes{0x3C});
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1)
      << "no temporary file left behind";
}

TEST(EepromFile, DamagedFileIsRefusedAtStartAndLeftAsItIs) {
  struct Case {
    const char* name;
    void (*damage)(Bytes&);
    const char* reason;
  } cases[] = {
      {"corrupt", [](Bytes& b) { b[5000] ^= 0x40; }, "CRC-32"},
      {"short", [](Bytes& b) { b.resize(b.size() - 100); }, "too short"},
      {"long", [](Bytes& b) { b.push_back(0); }, "too long"},
      {"foreign",
       [](Bytes& b) {
         b.assign({'0', '=', '2', '3', '\r', '\n'});
       },
       "not a simulator"},
      {"empty", [](Bytes& b) { b.clear(); }, "too short"},
  };
  TempDir dir;
  const fs::path file = dir / "detector.eeprom";
  const Bytes good = MadeFile(file);
  for (const Case& c : cases) {
    Bytes damaged = good;
    c.damage(damaged);
    PutFile(file, damaged);
    SimProgram p({"--eeprom", file.string()});
    std::string message = p.All(true);
    EXPECT_EQ(p.Wait(), 1) << c.name;
    EXPECT_NE(message.find(file.string()), std::string::npos) << c.name << ": " << message;
    EXPECT_NE(message.find(c.reason), std::string::npos) << c.name << ": " << message;
    EXPECT_EQ(FileBytes(file), damaged) << c.name << ": left untouched";
  }
}

TEST(EepromFile, InProcessStartFailsWithTheReason) {
  TempDir dir;
  struct Case {
    const char* name;
    fs::path path;
  } cases[] = {
      {"a directory", dir.path()},
      {"in a missing directory", dir / "gone/detector.eeprom"},
  };
  for (const Case& c : cases) {
    sim::DetectorOptions options;
    options.eepromFile = c.path.string();
    sim::SimulatedDetector detector(options);
    std::string error;
    EXPECT_FALSE(detector.Start(&error)) << c.name;
    EXPECT_NE(error.find(c.path.string()), std::string::npos) << c.name << ": " << error;
  }
}

// What a test changes in the model directly reaches the file when the detector stops.
TEST(EepromFile, SavedWhenTheDetectorStops) {
  TempDir dir;
  sim::DetectorOptions options;
  options.eepromFile = (dir / "detector.eeprom").string();
  {
    RunningDetector d(options);
    d.detector.WithModel([](sim::DeviceModel& m) { m.SetEeprom(20000, 0x77); });
  }
  RunningDetector again(options);
  EXPECT_EQ(ReadEeprom(again, 20000, 1), Bytes{0x77});
}

// The detector goes on answering from its memory; the failure is told once.
TEST(EepromFile, FailedSaveIsReportedOnceAndServingGoesOn) {
  TempDir dir;
  const fs::path home = dir / "home";
  fs::create_directory(home);
  sim::DetectorOptions options;
  options.eepromFile = (home / "detector.eeprom").string();
  RunningDetector d(options);
  fs::remove_all(home);

  testing::internal::CaptureStderr();
  for (uint8_t value : {0x11, 0x22}) {
    EXPECT_EQ(d.line->Exchange(WriteMemoryRequest(3000, {value}), 1), Bytes{1});
    EXPECT_EQ(ReadEeprom(d, 3000, 1), Bytes{value});
  }
  std::string told = testing::internal::GetCapturedStderr();
  EXPECT_NE(told.find(options.eepromFile), std::string::npos) << told;
  EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
  EXPECT_FALSE(fs::exists(home));
}

}  // namespace
}  // namespace simtest
