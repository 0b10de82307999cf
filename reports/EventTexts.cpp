#include "EventTexts.h"

#include <array>

namespace {

// General events, codes 0..53.
constexpr std::array<const char*, 54> kGeneral = {
    "void event",
    "device cannot read its EEPROM during initialization",
    "invalid EEPROM (checksum failed for area [FCT])",
    "invalid EEPROM (checksum failed for area [CFG])",
    "invalid EEPROM (checksum failed for area [LOB])",
    "void event",
    "void event",
    "Device initialization",
    "void event",
    "invalid EEPROM (checksum failed for area [ONF])",
    "Device reset executed",
    "Channel 1 enters in ALARM",
    "Channel 1 exits from ALARM",
    "Channel 1 enters in PREALARM",
    "Channel 1 exits from PREALARM",
    "Channel 2 enters in ALARM",
    "Channel 2 exits from ALARM",
    "Channel 2 enters in PREALARM",
    "Channel 2 exits from PREALARM",
    "Device enters in NORMAL state",
    "Device enters in MAINTENANCE state",
    "Device enters in REMOTE MAINTENANCE state",
    "Device enters in SERVICE MODE state",
    "Device eneters is disable mode",
    "Device exits from disable mode",
    "Device ext input line is in normal state",
    "Device ext input line is in NOT normal state",
    "Trend log",
    "EEPROM restored (area: [FCT] [CFG] [LOB])",
    "EEPROM restored (area: [LOB])",
    "EEPROM restored (area: [FCT])",
    "EEPROM restored (area: [CFG])",
    "EEPROM restored (area: [ONF])",
    "[E012] device EEPROM restore failed",
    "[E013] invalid EEPROM (checksum failed for area [BKP])",
    "Device flows initialization",
    "Manual sounder deactivation",
    "Device real time clock has been updated",
    "Alarm 1 relay activated",
    "Alarm 2 relay activated",
    "Sounder 1 relay activated",
    "Sounder 2 relay activated",
    "Fault relay activated",
    "Prealarm 1 relay activated",
    "Prealarm 2 relay activated",
    "Auxiliary fault relay activated",
    "Alarm 1 relay deactivated",
    "Alarm 2 relay deactivated",
    "Sounder 1 relay deactivated",
    "Sounder 2 relay deactivated",
    "Fault relay deactivated",
    "Prealarm 1 relay deactivated",
    "Prealarm 2 relay deactivated",
    "Auxiliary fault relay deactivated",
};

// Faults and alerts, codes 100..137 (the same numbering as the state flags).
constexpr std::array<const char*, 38> kFaults = {
    "[F001] device configuration data are not available",
    "[A001] device loop based data are not available",
    "[F002] device is unable to read its EEPROM",
    "[A002] device is unable to read or set its real time clock",
    "[A016] bad communication with LED pcb",
    "[A003] date stored in device real time clock is not valid",
    "[F004] device external line input fault",
    "[A004] device temperature is over limits",
    "[A005] device temperature is below limits",
    "[A006] device supply voltage is under 21 V",
    "[F023] device supply voltage is over 32 V",
    "[A007] device was not powered for an unknown period of time",
    "[F005] ultrasonic circuit of channel 1 ko",
    "[F006] sounder 1 output is in short or open circuit",
    "[F007] error in communication with channel 1 sensor",
    "[A008] sensor 1 chamber is dirty (0.3%/feet)",
    "[A009] sensor 1 chamber is dirty (0.6 %/feet)",
    "[A010] sensor 1 chamber is dirty (max %/feet)",
    "[F008] error in initialization of channel 1 sensor",
    "[F009] sensor 1 chamber is answering a very low value",
    "[A011] filter 1 due date reached",
    "[F010] channel 1 aspirating system has trouble",
    "[F011] channel 1 flow initialization failed",
    "[F012] channel 1 flow is below the configured limit",
    "[F013] channel 1 flow is over the configured limit",
    "[F014] ultrasonic circuit of channel 2 ko",
    "[F015] sounder 2 output is in short or open circuit",
    "[F016] error in communication with the channel 2 sensor",
    "[A012] sensor 2 chamber is dirty (0.3%/feet)",
    "[A013] sensor 2 chamber is dirty (0.6 %/feet)",
    "[A014] sensor 2 chamber is dirty (max %/feet)",
    "[F017] error in initialization of channel 2 sensor",
    "[F018] sensor 2 chamber is answering a very low value",
    "[A015] filter 2 due date reached",
    "[F019] channel 2 aspirating system has trouble",
    "[F020] channel 2 flow initialization failed",
    "[F021] channel 2 flow is below the configured limit",
    "[F022] channel 2 flow is over the configured limit",
};

// Restorations, codes 152..187: each restores the fault or alert of code - 50.
constexpr std::array<const char*, 36> kRestorations = {
    "Restore from fault [F002]", "Restore from alert [A002]", "Restore from alert [A016]",
    "Restore from alert [A003]", "Restore from fault [F004]", "Restore from alert [A004]",
    "Restore from alert [A005]", "Restore from alert [A006]", "Restore from fault [F023]",
    "Restore from alert [A007]", "Restore from fault [F005]", "Restore from fault [F006]",
    "Restore from fault [F007]", "Restore from alert [A008]", "Restore from alert [A009]",
    "Restore from alert [A010]", "Restore from fault [F008]", "Restore from fault [F009]",
    "Restore from alert [A011]", "Restore from fault [F010]", "Restore from fault [F011]",
    "Restore from fault [F012]", "Restore from fault [F013]", "Restore from fault [F014]",
    "Restore from fault [F015]", "Restore from fault [F016]", "Restore from alert [A012]",
    "Restore from alert [A013]", "Restore from alert [A014]", "Restore from fault [F017]",
    "Restore from fault [F018]", "Restore from alert [A015]", "Restore from fault [F019]",
    "Restore from fault [F020]", "Restore from fault [F021]", "Restore from fault [F022]",
};

template <size_t N>
const char* Lookup(const std::array<const char*, N>& band, int first, int code) {
  const int index = code - first;
  return index >= 0 && index < static_cast<int>(N) ? band[static_cast<size_t>(index)] : nullptr;
}

}  // namespace

QString EventText(int code) {
  for (const char* text : {Lookup(kGeneral, 0, code), Lookup(kFaults, 100, code),
                           Lookup(kRestorations, 152, code)})
    if (text) return QString::fromLatin1(text);
  return QString();
}
