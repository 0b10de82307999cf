#include "DeviceModel.h"

#include <algorithm>
#include <cstring>

#include "Areas.h"
#include "FactoryImage.h"

namespace sim {
namespace {

constexpr int kNormalLogEntries = 57;
constexpr uint8_t kErased = 0xFF;
constexpr uint8_t kDeviceInitialisation = 7;                // the event a restart logs
constexpr uint8_t kOperatingHours[4] = {0x64, 0x0C, 0, 0};  // 3172 h

const memory::Area kImageAreas[] = {memory::kLoopArea, memory::kFactoryArea, memory::kConfigArea};

void CopyArea(const uint8_t* from, uint8_t* to, const memory::Area& area) {
  std::memcpy(to + area.start, from + area.start, static_cast<size_t>(area.count));
}

}  // namespace

DeviceModel::DeviceModel(const DetectorOptions& options)
    : variant_(options.variant),
      channels_(options.channels == 1 ? 1 : 2),
      eeprom_(memory::kEepromSize, kErased),
      eepromRead_(!options.eepromNotRead),
      wrongConfiguration_(options.wrongConfiguration),
      restartPending_(options.restartPending),
      peripherals_(options) {
  std::vector<uint8_t> image = BuildFactoryImage(variant_, channels_);
  std::copy(image.begin(), image.end(), eeprom_.begin());
  uint8_t* header = Header();
  std::fill(header, header + memory::kLogHeaderSize, 0);
  std::memcpy(header, kOperatingHours, 4);
  header[7] = options.restartToMaintenance ? 1 : 0;
  FillLog(options.log);
  UpdateBackup();
  for (BackupArea area : options.badBackups) SpoilBackup(area);

  // Troubles are made after the backup, so that a restore can mend them.
  if (options.badLoopChecksum) ++eeprom_[memory::kLoopArea.position];
  if (options.badFactoryChecksum) ++eeprom_[memory::kFactoryArea.position];
  if (options.badConfigChecksum) ++eeprom_[memory::kConfigArea.position];
  if (options.badLogHeaderChecksum) ++Header()[memory::kLogHeaderArea.position];
  PowerOn();
}

// Healthy, running what the EEPROM holds. The info block opens with the
// firmware version; values 18 and 19, which would hold back an air density
// test of channel 1 or 2, stay clear.
void DeviceModel::PowerOn() {
  live_ = HealthyState(eeprom_, variant_, channels_);
  craftedState_.reset();
  info_[0] = eeprom_[265];
  info_[1] = eeprom_[273];
  info_[2] = eeprom_[274];
}

void DeviceModel::LoadEeprom(const std::vector<uint8_t>& bytes) {
  if (bytes.size() != eeprom_.size()) return;
  eeprom_ = bytes;
  PowerOn();
}

uint8_t DeviceModel::Eeprom(int address) const {
  if (address < 0 || address >= memory::kEepromSize) return kErased;
  return eeprom_[static_cast<size_t>(address)];
}

void DeviceModel::SetEeprom(int address, uint8_t value) {
  if (address >= 0 && address < memory::kEepromSize) eeprom_[static_cast<size_t>(address)] = value;
}

void DeviceModel::WriteEeprom(int address, const uint8_t* data, int count) {
  for (int i = 0; i < count; ++i) SetEeprom(address + i, data[i]);
}

void DeviceModel::ReadEeprom(int address, int count, uint8_t* out) const {
  for (int i = 0; i < count; ++i) out[i] = Eeprom(address + i);
}

void DeviceModel::StoreWritten(int address, uint8_t value) {
  SetEeprom(address, storeFault_ ? static_cast<uint8_t>(value ^ 0x01) : value);
}

bool DeviceModel::AreaValid(const memory::Area& area) const {
  return AreaHolds(eeprom_.data(), area);
}

bool DeviceModel::LogHeaderValid() const { return AreaHolds(Header(), memory::kLogHeaderArea); }

void DeviceModel::SealChecksums() {
  for (const memory::Area& area : kImageAreas) SealArea(eeprom_.data(), area);
  SealArea(Header(), memory::kLogHeaderArea);
}

bool DeviceModel::UpdateBackup() {
  for (const memory::Area& area : kImageAreas)
    if (!AreaValid(area)) return false;
  backupImage_.assign(eeprom_.begin(), eeprom_.begin() + memory::kImageSize);
  if (LogHeaderValid())
    std::copy(Header(), Header() + memory::kLogHeaderSize, backupHeader_.begin());
  return true;
}

bool DeviceModel::RestoreArea(int number) {
  if (number == 4) {
    if (!AreaHolds(backupHeader_.data(), memory::kLogHeaderArea)) return false;
    std::copy(backupHeader_.begin(), backupHeader_.end(), Header());
    return true;
  }
  if (number < 0 || number > 3) return false;
  std::vector<memory::Area> areas;
  if (number == 0)
    areas.assign(std::begin(kImageAreas), std::end(kImageAreas));
  else
    areas.push_back(kImageAreas[number - 1]);
  for (const memory::Area& area : areas)
    if (!AreaHolds(backupImage_.data(), area)) return false;
  for (const memory::Area& area : areas) CopyArea(backupImage_.data(), eeprom_.data(), area);
  return true;
}

void DeviceModel::SpoilBackup(BackupArea area) {
  if (area == BackupArea::OnField) {
    ++backupHeader_[memory::kLogHeaderArea.position];
    return;
  }
  const memory::Area& spoiled = kImageAreas[static_cast<int>(area) - 1];
  ++backupImage_[static_cast<size_t>(spoiled.position)];
}

LogEntry DeviceModel::GetLogEntry(int index) const {
  LogEntry e{};
  ReadEeprom(memory::kLogAddress + memory::kLogEntrySize * index, memory::kLogEntrySize, e.data());
  return e;
}

void DeviceModel::SetLogEntry(int index, const LogEntry& entry) {
  WriteEeprom(memory::kLogAddress + memory::kLogEntrySize * index, entry.data(),
              memory::kLogEntrySize);
}

LogHeaderBytes DeviceModel::LogHeader() const {
  LogHeaderBytes h{};
  std::copy(Header(), Header() + memory::kLogHeaderSize, h.begin());
  return h;
}

void DeviceModel::SetLogHeader(const LogHeaderBytes& header) {
  std::copy(header.begin(), header.end(), Header());
}

// A blank log is erased EEPROM: count bytes 255, 255. The count is the index
// of the newest entry (the tool lists entries 0 to count, and a count of 2244
// cannot be), so a full log of 2244 entries counts 2243.
void DeviceModel::FillLog(LogFill fill) {
  std::fill(eeprom_.begin() + memory::kLogAddress,
            eeprom_.begin() + memory::kLogAddress + memory::kLogBufferSize, kErased);
  uint8_t* header = Header();
  header[6] = 0;
  if (fill == LogFill::Blank) {
    header[4] = header[5] = kErased;
  } else {
    int entries = fill == LogFill::Full ? memory::kLogEntryCount : kNormalLogEntries;
    int count = entries - 1;
    Surroundings around{variant_, channels_, {eeprom_[404], eeprom_[406]}};
    std::vector<LogEntry> history = BuildLogHistory(entries, around);
    for (int i = 0; i < entries; ++i) SetLogEntry(i, history[static_cast<size_t>(i)]);
    header[4] = static_cast<uint8_t>(count & 0xFF);
    header[5] = static_cast<uint8_t>(count >> 8);
    header[6] = fill == LogFill::Full ? 1 : 0;
  }
  SealArea(header, memory::kLogHeaderArea);
}

// The count is the index of the newest entry; a blank log (byte 5 erased)
// starts at 0, and a full one goes round and stays marked full.
void DeviceModel::AppendLogEntry(uint8_t code) {
  uint8_t* header = Header();
  const int newest = header[4] | header[5] << 8;
  const bool blank = header[5] == kErased || newest >= memory::kLogEntryCount;
  int index = blank ? 0 : newest + 1;
  if (index == memory::kLogEntryCount) {
    index = 0;
    header[6] = 1;
  }
  SetLogEntry(index, LiveLogEntry(code, clock_.Now(), live_, variant_));
  header[4] = static_cast<uint8_t>(index & 0xFF);
  header[5] = static_cast<uint8_t>(index >> 8);
  SealArea(header, memory::kLogHeaderArea);
}

void DeviceModel::ClearOperatingHours() {
  std::fill(Header(), Header() + 4, 0);
  SealArea(Header(), memory::kLogHeaderArea);
}

std::array<uint8_t, 7> DeviceModel::EepromStatus() const {
  // A detector that could not read its EEPROM knows nothing about its areas.
  auto ok = [this](const memory::Area& area) -> uint8_t {
    return eepromRead_ && AreaValid(area) ? 1 : 0;
  };
  return {static_cast<uint8_t>(eepromRead_ ? 1 : 0),
          ok(memory::kFactoryArea),
          ok(memory::kConfigArea),
          ok(memory::kLoopArea),
          0,
          static_cast<uint8_t>(wrongConfiguration_ ? 1 : 0),
          static_cast<uint8_t>(superUser_ ? 1 : 0)};
}

void DeviceModel::SetRestartToMaintenance(bool maintenance) {
  Header()[7] = maintenance ? 1 : 0;
  SealArea(Header(), memory::kLogHeaderArea);
}

void DeviceModel::Restart(bool maintenance) {
  restartPending_ = 0;
  Header()[7] = maintenance ? 1 : 0;
  PowerOn();
  AppendLogEntry(kDeviceInitialisation);  // reseals the header, byte 7 included
}

StateBytes DeviceModel::State() const {
  if (craftedState_) return *craftedState_;
  return EncodeState(live_, Header());  // operating hours are header bytes 0..3
}

uint8_t DeviceModel::Ram(uint32_t address) const {
  auto it = ram_.find(address);
  return it == ram_.end() ? 0 : it->second;
}

}  // namespace sim
