#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "DetectorOptions.h"
#include "DeviceClock.h"
#include "FlowLogQueues.h"
#include "FrontLeds.h"
#include "LiveState.h"
#include "LogHistory.h"
#include "MemoryMap.h"
#include "Peripherals.h"
#include "Sensors.h"

namespace sim {

using LogHeaderBytes = std::array<uint8_t, memory::kLogHeaderSize>;
constexpr int kInfoSize = 1024;

// Everything the detector knows: its EEPROM and the backup of its areas, its
// live state, clock, RAM and status flags. Not thread-safe on its own; the
// simulated detector serialises every access.
class DeviceModel {
 public:
  explicit DeviceModel(const DetectorOptions& options = {});

  Variant variant() const { return variant_; }
  int channels() const { return channels_; }

  // EEPROM, 32 KiB. Addresses outside it are ignored on writes and read as 0xFF.
  uint8_t Eeprom(int address) const;
  void SetEeprom(int address, uint8_t value);
  void WriteEeprom(int address, const uint8_t* data, int count);
  void ReadEeprom(int address, int count, uint8_t* out) const;
  const std::vector<uint8_t>& eeprom() const { return eeprom_; }
  // Replaces the whole EEPROM (kEepromSize bytes) and starts afresh from it, as
  // after a power-on; the backup copy is kept.
  void LoadEeprom(const std::vector<uint8_t>& bytes);

  // What the memory write commands store: the value, or, while a store fault
  // is on, the value with its lowest bit inverted.
  void StoreWritten(int address, uint8_t value);
  void SetStoreFault(bool on) { storeFault_ = on; }

  // Area checks and sealing. The image areas lie in the EEPROM; the log header
  // area is relative to address 1024.
  bool AreaValid(const memory::Area& area) const;
  bool LogHeaderValid() const;
  void SealChecksums();  // [LOB], [FCT], [CFG] and the log header

  // The backup copy of the areas (the [BKP] area).
  bool UpdateBackup();                // false, and nothing copied, when an image area is invalid
  bool RestoreArea(int number);       // 0 all image areas, 1 [LOB], 2 [FCT], 3 [CFG], 4 [ONF]
  void SpoilBackup(BackupArea area);  // the backup copy of the area fails its checksum

  // Event log.
  LogEntry GetLogEntry(int index) const;
  void SetLogEntry(int index, const LogEntry& entry);
  LogHeaderBytes LogHeader() const;
  void SetLogHeader(const LogHeaderBytes& header);  // stored as given, checksum byte included
  void FillLog(LogFill fill);                       // header resealed; hours and byte 7 kept
  // Writes the entry of an event happening now after the newest one, going
  // round when the log is full; the header is resealed.
  void AppendLogEntry(uint8_t code);
  void ClearOperatingHours();  // log header bytes 0..3, resealed

  // Status flags of command 32 and the restart query.
  std::array<uint8_t, 7> EepromStatus() const;
  bool eepromRead() const { return eepromRead_; }
  void SetEepromRead(bool read) { eepromRead_ = read; }
  void SetWrongConfiguration(bool wrong) { wrongConfiguration_ = wrong; }
  void SetSuperUser(bool superUser) { superUser_ = superUser; }
  int restartPending() const { return restartPending_; }
  void SetRestartPending(int pending) { restartPending_ = pending; }
  void SetRestartToMaintenance(bool maintenance);  // header byte 7, resealed
  // The detector starts again in normal or maintenance mode: it logs its
  // initialisation and runs healthy from the EEPROM as it is (tests, alarms,
  // relays and a crafted state answer are gone).
  void Restart(bool maintenance);

  // Live state. State() encodes `live` unless a crafted answer was set.
  LiveState& live() { return live_; }
  StateBytes State() const;
  void SetState(const StateBytes& bytes) { craftedState_ = bytes; }
  void ClearCraftedState() { craftedState_.reset(); }

  DeviceClock& clock() { return clock_; }

  // RAM, by 32-bit address; never written bytes read as 0.
  uint8_t Ram(uint32_t address) const;
  void SetRam(uint32_t address, uint8_t value) { ram_[address] = value; }

  // The 1024 values of extended command 1.
  std::array<uint8_t, kInfoSize>& info() { return info_; }

  // The raw air-flow records that command 26 reads.
  FlowLogQueues& flowLog() { return flowLog_; }

  // The smoke sensors that command 25 polls and the front LEDs of command 12.
  Sensors& sensors() { return sensors_; }
  FrontLeds& leds() { return leds_; }

  // Buttons, input, cover, analogue channels, ultrasonic timer, isolator, loop supply.
  Peripherals& peripherals() { return peripherals_; }

 private:
  void PowerOn();
  uint8_t* Header() { return &eeprom_[memory::kLogHeaderAddress]; }
  const uint8_t* Header() const { return &eeprom_[memory::kLogHeaderAddress]; }

  Variant variant_;
  int channels_;
  std::vector<uint8_t> eeprom_;
  std::vector<uint8_t> backupImage_;
  LogHeaderBytes backupHeader_{};
  bool eepromRead_, wrongConfiguration_, superUser_ = false, storeFault_ = false;
  int restartPending_;
  LiveState live_;
  std::optional<StateBytes> craftedState_;
  DeviceClock clock_;
  std::map<uint32_t, uint8_t> ram_;
  std::array<uint8_t, kInfoSize> info_{};
  FlowLogQueues flowLog_{channels_};
  Sensors sensors_{variant_, channels_};
  FrontLeds leds_;
  Peripherals peripherals_;
};

}  // namespace sim
