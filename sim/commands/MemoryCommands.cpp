#include <cstring>

#include "DeviceModel.h"
#include "commands/Handlers.h"

namespace sim::commands {
namespace {

// A transfer must lie inside the EEPROM and move 1..1024 bytes.
bool InRange(const Request& r) {
  return r.count() >= 1 && r.count() <= frame::kMaxData &&
         r.address() + r.count() <= memory::kEepromSize;
}

}  // namespace

// A refusal of a transfer that leaves the EEPROM still has the length the tool waits for.
int MemoryCount(const Request& r) {
  return r.count() >= 1 && r.count() <= frame::kMaxData ? r.count() : 0;
}

bool ReadMemory(const Request& r, DeviceModel& m, uint8_t* answer) {
  if (!InRange(r)) return false;
  m.ReadEeprom(r.address(), r.count(), answer);
  return true;
}

bool WriteMemory(const Request& r, DeviceModel& m, uint8_t*) {
  if (!InRange(r) || r.dataLength() != r.count()) return false;
  for (int i = 0; i < r.count(); ++i) m.StoreWritten(r.address() + i, r.data()[i]);
  return true;
}

// Fills count bytes from the address with the value in P5.
bool WriteMemoryValue(const Request& r, DeviceModel& m, uint8_t*) {
  if (!InRange(r)) return false;
  for (int i = 0; i < r.count(); ++i) m.StoreWritten(r.address() + i, r.param(5));
  return true;
}

// The detector reads its EEPROM again.
bool RefreshEeprom(const Request&, DeviceModel& m, uint8_t*) {
  m.SetEepromRead(true);
  return true;
}

bool RestoreArea(const Request& r, DeviceModel& m, uint8_t*) { return m.RestoreArea(r.param(1)); }

bool UpdateBackup(const Request&, DeviceModel& m, uint8_t*) { return m.UpdateBackup(); }

}  // namespace sim::commands
