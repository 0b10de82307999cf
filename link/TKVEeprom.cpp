// The EEPROM image and its areas: read, verify, correct, write with read-back,
// store the configuration, and the detector's backup and restore of its areas.
#include <cstring>

#include "TKV.h"

namespace {
constexpr uint8_t kWriteMemory = 4;
constexpr uint8_t kRestoreArea = 28;
constexpr uint8_t kUpdateBackup = 31;
constexpr uint8_t kClearLog = 22;
constexpr int kOnfArea = 4;
constexpr int kWithoutChecksumTest = 255;

// The three areas leave in this order, each range written then read back.
struct Range {
  int first, last;
};
constexpr Range kLowRange{0, 255};
constexpr Range kFactoryRange{256, 275};
constexpr Range kConfigRange{276, 511};

uint8_t SeededSum(const uint8_t* image, const memory::Area& area) {
  unsigned sum = static_cast<unsigned>(area.seed);
  for (int i = area.start; i < area.start + area.count; ++i)
    if (i != area.position) sum += image[i];
  return static_cast<uint8_t>(sum);
}
}  // namespace

bool TKV::VerifyImageChecksums(const uint8_t* image) {
  return AreaValid(image, memory::kFactoryArea) && AreaValid(image, memory::kConfigArea) &&
         AreaValid(image, memory::kLoopArea);
}

int TKV::UpdateImageChecksums(uint8_t* image) {
  for (const memory::Area& area : {memory::kFactoryArea, memory::kConfigArea, memory::kLoopArea})
    image[area.position] = SeededSum(image, area);
  return 1;
}

int TKV::ReadEepromImage(uint8_t* buffer) {
  if (!EepromReadOr20()) return 0;
  LastResult = 0;
  if (!ReadMemoryInto(0, memory::kImageSize, buffer)) {
    MapRefusal(ResultEepromRefused);
    return 0;
  }
  return 1;
}

int TKV::WriteEepromRange(const uint8_t* image, int first, int last) {
  int count = last - first + 1;
  // The range must lie in the image and fit one frame.
  if (!ArgumentOk(first >= 0 && last < memory::kImageSize && count >= 1)) return 0;
  std::memcpy(Staging.data(), image + first, static_cast<size_t>(count));
  frame::Params p = frame::MemoryParams(first, count);
  LastResult = 0;
  if (!SendCommand(kWriteMemory, count, 0, p, Staging.data(), Answer.data())) {
    MapRefusal(ResultEepromRefused);
    return 0;
  }
  LastResult = 0;
  uint8_t readBack[frame::kMaxData];
  if (!ReadMemoryInto(first, count, readBack)) {
    MapRefusal(ResultEepromRefused);
    return 0;
  }
  if (std::memcmp(readBack, image + first, static_cast<size_t>(count)) != 0) {
    LastResult = ResultUnknown;
    return 0;
  }
  return 1;
}

int TKV::WriteEepromAreas(const uint8_t* image, int writeLow, int writeFactory,
                          int writeConfig) {
  if (!EepromReadOr20()) return 0;
  if (!ArgumentOk(writeLow != 0 || writeFactory != 0 || writeConfig != 0)) return 0;
  bool forced = writeLow == kWithoutChecksumTest || writeFactory == kWithoutChecksumTest ||
                writeConfig == kWithoutChecksumTest;
  // All three areas are tested, whichever are to be written.
  if (!forced && !VerifyImageChecksums(image)) {
    LastResult = ResultBadImageChecksum;
    return 0;
  }
  const std::pair<int, Range> ranges[] = {
      {writeLow, kLowRange}, {writeFactory, kFactoryRange}, {writeConfig, kConfigRange}};
  for (const auto& [flag, range] : ranges)
    if (flag != 0 && !WriteEepromRange(image, range.first, range.last)) return 0;
  return 1;
}

bool TKV::EepromReadOr20() {
  if (!ConnectedOr10()) return false;
  if (Status.EepromRead != 0) return true;
  LastResult = ResultEepromRefused;
  return false;
}

bool TKV::AreasUsable(bool needLoopArea) {
  if (!EepromReadOr20()) return false;
  if (Status.WrongConfiguration == 1 || Status.FactoryAreaOk != 1 || Status.ConfigAreaOk != 1 ||
      (needLoopArea && Status.LoopAreaOk != 1)) {
    LastResult = ResultEepromInvalid;
    return false;
  }
  return true;
}

int TKV::StoreConfiguration() {
  if (!AreasUsable(true)) return 0;
  UpdateImageChecksums(EepromImage.data());
  return WriteEepromAreas(EepromImage.data(), 0, 0, 1);
}

int TKV::ReloadParameters() {
  if (!AreasUsable(false)) return 0;
  LastResult = 0;
  uint8_t image[memory::kImageSize];
  if (!ReadMemoryInto(0, memory::kImageSize, image)) {
    MapRefusal(ResultEepromRefused);
    return 0;
  }
  if (!AreaValid(image, memory::kFactoryArea) || !AreaValid(image, memory::kConfigArea)) {
    LastResult = ResultEepromInvalid;
    return 0;
  }
  std::memcpy(EepromImage.data(), image, sizeof image);
  return 1;
}

int TKV::UpdateBackupArea() {
  if (!AreasUsable(true)) return 0;
  LastResult = 0;
  if (!SendCommand(kUpdateBackup, 0, 0, {}, nullptr, Answer.data())) {
    MapRefusal(ResultEepromRefused);
    return 0;
  }
  return 1;
}

int TKV::RestoreEepromArea(int area) {
  if (!EepromReadOr20()) return 0;
  frame::Params p{};
  p[0] = static_cast<uint8_t>(area);
  LastResult = 0;
  if (!SendCommand(kRestoreArea, 0, 0, p, nullptr, Answer.data())) {
    MapRefusal(ResultBackupInvalid);
    return 0;
  }
  return 1;
}

int TKV::RestoreOnfArea() {
  if (!EepromReadOr20()) return 0;
  frame::Params p{};
  p[0] = kOnfArea;
  LastResult = 0;
  if (!SendCommand(kRestoreArea, 0, 0, p, nullptr, Answer.data())) {
    MapRefusal(ResultEepromRefused);
    return 0;
  }
  LastResult = 0;
  if (!SendCommand(kClearLog, 0, 0, {}, nullptr, Answer.data())) {
    MapRefusal(ResultLogAreaRefused);
    return 0;
  }
  return 1;
}
