#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

// The detector's EEPROM kept in a file between runs of the simulator:
//   the line "VORENXR-SIM EEPROM 1" ending in a line feed,
//   the 32768 EEPROM bytes, address 0 first,
//   the CRC-32 of those bytes (as zlib and PNG compute it), least significant byte first.
// Anything else is refused, so a damaged file is noticed instead of being served.

enum class EepromFileRead { Loaded, Missing, Refused };

// Reads the file into `eeprom`; on Refused, `error` names the path and the reason.
EepromFileRead ReadEepromFile(const std::string& path, std::vector<uint8_t>& eeprom,
                              std::string& error);

// Writes a temporary file in the same directory, flushes it to the disk and
// renames it over the path: the path holds the old or the new EEPROM, never a
// mixture. On failure the temporary file is removed and `error` says why.
bool WriteEepromFile(const std::string& path, const std::vector<uint8_t>& eeprom,
                     std::string& error);

}  // namespace sim
