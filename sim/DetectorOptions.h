#pragma once
#include <cstdint>

namespace sim {

enum class Variant : uint8_t { StandAlone = 1, LoopBased = 2, Zandt = 3, Quib = 4 };
enum class LogFill { Normal, Blank, Full };

// How the detector comes out of the box: its kind and the troubles it starts with.
struct DetectorOptions {
  Variant variant = Variant::StandAlone;
  int channels = 2;
  bool eepromNotRead = false, wrongConfiguration = false;
  bool badFactoryChecksum = false, badConfigChecksum = false, badLoopChecksum = false,
       badLogHeaderChecksum = false;
  LogFill log = LogFill::Normal;
  int restartPending = 0;             // answer of command 35
  bool restartToMaintenance = false;  // log header byte 7
};

}  // namespace sim
