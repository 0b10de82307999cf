#include <array>
#include <cstdint>

#include "DeviceModel.h"
#include "commands/Handlers.h"

namespace sim::commands {
namespace {

// Parameter value k of the extended command is frame parameter P(k+1);
// value 0 chooses the sub-command.
uint8_t Value(const Request& r, int k) { return r.param(k + 1); }

uint32_t RamAddress(const Request& r) {
  return static_cast<uint32_t>(Value(r, 1)) | static_cast<uint32_t>(Value(r, 2)) << 8 |
         static_cast<uint32_t>(Value(r, 3)) << 16 | static_cast<uint32_t>(Value(r, 4)) << 24;
}

int EepromAddress(const Request& r) { return Value(r, 1) | Value(r, 2) << 8; }

using SubCommand = bool (*)(const Request&, DeviceModel&, uint8_t*);

bool Info(const Request&, DeviceModel& m, uint8_t* answer) {
  std::copy(m.info().begin(), m.info().end(), answer);
  return true;
}

bool ReadPage(const Request& r, DeviceModel& m, uint8_t* answer) {
  int page = Value(r, 1);
  if (page * frame::kMaxData >= memory::kEepromSize) return false;
  m.ReadEeprom(page * frame::kMaxData, frame::kMaxData, answer);
  return true;
}

bool ReadRam(const Request& r, DeviceModel& m, uint8_t* answer) {
  answer[0] = m.Ram(RamAddress(r));
  return true;
}

bool LoopAddressDigits(const Request&, DeviceModel& m, uint8_t* answer) {
  answer[0] = m.live().loopAddress % 10;
  answer[1] = m.live().loopAddress / 10;
  return true;
}

bool WriteEepromByte(const Request& r, DeviceModel& m, uint8_t*) {
  if (EepromAddress(r) >= memory::kEepromSize) return false;
  m.StoreWritten(EepromAddress(r), Value(r, 3));
  return true;
}

bool ReadEepromByte(const Request& r, DeviceModel& m, uint8_t* answer) {
  if (EepromAddress(r) >= memory::kEepromSize) return false;
  answer[0] = m.Eeprom(EepromAddress(r));
  return true;
}

bool WriteRam(const Request& r, DeviceModel& m, uint8_t*) {
  m.SetRam(RamAddress(r), Value(r, 5));
  return true;
}

// Sub-command 8 has no effect the tool can observe: the detector acknowledges it.
bool Acknowledge(const Request&, DeviceModel&, uint8_t*) { return true; }

// The firmware version the tool prints after connecting.
bool Version(const Request&, DeviceModel& m, uint8_t* answer) {
  answer[0] = m.Eeprom(265);
  answer[1] = m.Eeprom(273);
  answer[2] = m.Eeprom(274);
  return true;
}

constexpr std::array<SubCommand, 10> kSubCommands = {
    nullptr,         Info,           ReadPage, ReadRam,     LoopAddressDigits,
    WriteEepromByte, ReadEepromByte, WriteRam, Acknowledge, Version};

}  // namespace

bool Extended(const Request& r, DeviceModel& m, uint8_t* answer) {
  uint8_t sub = Value(r, 0);
  if (sub >= kSubCommands.size() || !kSubCommands[sub]) return false;
  return kSubCommands[sub](r, m, answer);
}

}  // namespace sim::commands
