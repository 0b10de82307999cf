#pragma once

// Where things live in the detector's EEPROM.
namespace memory {

constexpr int kImageSize = 512;  // addresses 0..511
constexpr int kLogHeaderAddress = 1024;
constexpr int kLogHeaderSize = 64;  // 1024..1087, the on-field block
constexpr int kRestartModeAddress = 1031;  // log header byte 7
constexpr int kLogAddress = 1088;
constexpr int kLogEntrySize = 14;
constexpr int kLogEntryCount = 2244;
constexpr int kLogBufferSize = 31424;  // 2244 entries and 8 further bytes
constexpr int kEepromSize = 32768;

// Areas of the image: first byte, bytes covered (checksum byte included),
// checksum position, seed.
struct Area {
  int start;
  int count;
  int position;
  int seed;
};
constexpr Area kLoopArea{0, 49, 48, 1};
constexpr Area kFactoryArea{256, 20, 275, 3};
constexpr Area kConfigArea{276, 220, 495, 5};
constexpr Area kLogHeaderArea{0, 64, 63, 7};  // within the 64-byte header copy

}  // namespace memory
