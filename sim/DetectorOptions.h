#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

enum class Variant : uint8_t { StandAlone = 1, LoopBased = 2, Zandt = 3, Quib = 4 };
enum class LogFill { Normal, Blank, Full };

// The areas of the backup copy, numbered as command 28 restores them.
enum class BackupArea { Loop = 1, Factory = 2, Config = 3, OnField = 4 };

// How the detector comes out of the box: its kind and the troubles it starts with.
struct DetectorOptions {
  Variant variant = Variant::StandAlone;
  int channels = 2;
  bool eepromNotRead = false, wrongConfiguration = false;
  bool badFactoryChecksum = false, badConfigChecksum = false, badLoopChecksum = false,
       badLogHeaderChecksum = false;
  std::vector<BackupArea> badBackups;  // backup copies that fail their checksum
  LogFill log = LogFill::Normal;
  int restartPending = 0;             // answer of command 35
  bool restartToMaintenance = false;  // log header byte 7
  // Where the EEPROM is kept between runs; empty: nowhere. An existing file
  // replaces the EEPROM built from the options above.
  std::string eepromFile;
};

}  // namespace sim
