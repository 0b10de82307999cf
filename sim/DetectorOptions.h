#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

enum class Variant : uint8_t { StandAlone = 1, LoopBased = 2, Zandt = 3, Quib = 4 };
enum class LogFill { Normal, Blank, Full };

// The areas of the backup copy, numbered as command 28 restores them.
enum class BackupArea { Loop = 1, Factory = 2, Config = 3, OnField = 4 };

// What can be pressed on the detector: its three front buttons, the external
// input (pressed: shorted) and the cover switch (pressed: cover closed).
enum class Switch { Reset, Test, Disable, ExternalInput, Cover };

// A press on a schedule, counted from the detector's start: pressed at atMs
// and released forMs later; a negative forMs never releases it.
struct ScheduledPress {
  Switch what;
  int atMs;
  int forMs;
};

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
  // Its inputs and outputs (Peripherals.h).
  std::vector<ScheduledPress> presses;
  bool unsettledDensity = false;  // ultrasonic counts too unsteady for an air density test
  bool soundersUnloaded = false;  // both sounder lines without their end-of-line load
};

}  // namespace sim
