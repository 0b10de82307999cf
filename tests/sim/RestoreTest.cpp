// Restoring areas from the backup copy (command 28), and a backup copy that
// fails its checksum.
#include <gtest/gtest.h>

#include "RunningDetector.h"

namespace simtest {
namespace {

// Bytes inside [LOB], [FCT], [CFG] and [ONF].
constexpr int kLoopByte = 10, kFactoryByte = 260, kConfigByte = 300, kHoursByte = 1024,
              kCountByte = 1028;

Bytes Restore(RunningDetector& d, int area) {
  return d.line->Exchange(RequestFrame(28, {static_cast<uint8_t>(area)}), 1);
}

// The image and the [ONF] block.
Bytes Areas(RunningDetector& d) {
  Bytes bytes = ReadEeprom(d, 0, 512);
  Bytes header = ReadEeprom(d, 1024, 64);
  bytes.insert(bytes.end(), header.begin(), header.end());
  return bytes;
}

// Writes one byte over the wire, so the area no longer holds what was backed up.
void Spoil(RunningDetector& d, int address) {
  uint8_t old = ReadEeprom(d, address, 1).at(0);
  ASSERT_EQ(d.line->Exchange(WriteMemoryRequest(address, {static_cast<uint8_t>(old ^ 0x5A)}), 1),
            Bytes{1});
}

TEST(Restore, EachAreaAndTheWholeImageComeBack) {
  struct Case {
    int area;
    std::vector<int> spoiled;
  } cases[] = {
      {1, {kLoopByte}},
      {2, {kFactoryByte}},
      {3, {kConfigByte}},
      {0, {kLoopByte, kFactoryByte, kConfigByte}},
      {4, {kHoursByte, kCountByte}},
  };
  for (const Case& c : cases) {
    RunningDetector d;
    const Bytes image = ReadEeprom(d, 0, 512);
    const Bytes header = ReadEeprom(d, 1024, 64);
    for (int address : c.spoiled) Spoil(d, address);
    ASSERT_EQ(Restore(d, c.area), Bytes{1}) << "area " << c.area;
    EXPECT_EQ(ReadEeprom(d, 0, 512), image) << "area " << c.area;
    EXPECT_EQ(ReadEeprom(d, 1024, 64), header) << "area " << c.area;
  }
}

TEST(Restore, ASpoiledBackupIsRefusedAndNothingIsStored) {
  struct Case {
    sim::BackupArea spoiled;
    int area;
    int address;
    bool wholeImageRefused;
  } cases[] = {
      {sim::BackupArea::Loop, 1, kLoopByte, true},
      {sim::BackupArea::Factory, 2, kFactoryByte, true},
      {sim::BackupArea::Config, 3, kConfigByte, true},
      {sim::BackupArea::OnField, 4, kCountByte, false},
  };
  for (const Case& c : cases) {
    sim::DetectorOptions options;
    options.badBackups = {c.spoiled};
    RunningDetector d(options);
    const Bytes clean = Areas(d);
    Spoil(d, c.address);
    Spoil(d, kConfigByte + 1);
    const Bytes damaged = Areas(d);

    EXPECT_EQ(Restore(d, c.area), Bytes{0}) << "area " << c.area;
    EXPECT_EQ(Areas(d), damaged) << "area " << c.area << ": nothing restored";
    EXPECT_EQ(Restore(d, 0), Bytes{c.wholeImageRefused ? uint8_t{0} : uint8_t{1}})
        << "area " << c.area << ": whole image";
    if (c.wholeImageRefused) {
      EXPECT_EQ(Areas(d), damaged) << "area " << c.area << ": whole image";
    } else {
      EXPECT_EQ(ReadEeprom(d, 0, 512), Bytes(clean.begin(), clean.begin() + 512));
    }
  }
}

// A backup update takes a fresh copy, over the spoiled one.
TEST(Restore, BackupUpdateMendsASpoiledCopy) {
  sim::DetectorOptions options;
  options.badBackups = {sim::BackupArea::Config, sim::BackupArea::OnField};
  RunningDetector d(options);
  ASSERT_EQ(d.line->Exchange(RequestFrame(31), 1), Bytes{1});
  const Bytes clean = Areas(d);
  Spoil(d, kConfigByte);
  Spoil(d, kHoursByte);
  EXPECT_EQ(Restore(d, 3), Bytes{1});
  EXPECT_EQ(Restore(d, 4), Bytes{1});
  EXPECT_EQ(Areas(d), clean);
}

}  // namespace
}  // namespace simtest
