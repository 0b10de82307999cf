#include "ResultCodes.h"

#include <array>
#include <cstddef>

namespace {
// Indexed by code; the window prints these exactly as they stand.
constexpr std::array<const char*, 25> kTexts = {
    "unknown error",
    "operation executed successfully",
    "windows error",
    "invalid com port specified",
    "timeout reached waiting answer from COM port",
    "device doesn't acknowledge to connect command",
    "device doesn't answer to command or answer not valid",
    "invalid device answer (message checksum failed)",
    "device doesn't acknowledge to command",
    "impossible to read device eeprom state",
    "device not connected",
    "impossible to read device state",
    "unknown device state",
    "bad library function call",
    "device info not available",
    "device log not available",
    "impossible to read log information",
    "wrong log index",
    "impossible to read/write log area",
    "action is not possible due to ASD state",
    "impossible to read/write device eeprom",
    "device backup eeprom area contains not valid data",
    "device eeprom data are not valid",
    "passed data have wrong checksum",
    "impossible to read/write device clock",
};
}  // namespace

const char* ResultText(int32_t code) {
  if (code < 0 || code >= static_cast<int32_t>(kTexts.size())) return "";
  return kTexts[static_cast<size_t>(code)];
}
