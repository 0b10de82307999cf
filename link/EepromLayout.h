#pragma once
#include <string>

// What each byte of the detector's EEPROM image and on-field block means, as
// the tool interprets it. The EEPROM page shows these beside the values; the
// factory test finds the bytes it calibrates and stamps by these names.
namespace layout {

// Image bytes (EEPROM 0..511).
constexpr int kSerialCopy = 14;         // 14..17: copy of the serial number in [LOB]
constexpr int kLoopChecksum = 48;
constexpr int kSerialNumber = 260;      // 260..263
constexpr int kManufDate = 268;         // 268..272: day, month, year, hour, minute
constexpr int kFactoryChecksum = 275;
constexpr int kTrendLogTime = 293;      // minutes
constexpr int kFlowCorrection = 484;    // 484 channel 1, 485 channel 2
constexpr int kConfigChecksum = 495;
constexpr int kFixedTable = 501;        // 501..510: ten fixed values stamped at the factory
constexpr int kFixedTableSize = 10;

// On-field block, offsets from EEPROM 1024.
constexpr int kOnfChecksum = 63;

// The meaning, unit and encoding of image byte address (0..511), e.g.
// "trend-log interval, minutes"; empty for a byte the tool does not interpret.
const std::string& ImageByteMeaning(int address);

// The same for byte offset 0..63 of the on-field block.
const std::string& OnfByteMeaning(int offset);

}  // namespace layout
