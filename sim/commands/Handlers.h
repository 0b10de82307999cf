#pragma once
#include <cstdint>

#include "commands/Command.h"

// The handlers of the command table, by group.
namespace sim::commands {

// Memory (MemoryCommands.cpp)
int MemoryCount(const Request& r);
bool ReadMemory(const Request& r, DeviceModel& m, uint8_t* answer);
bool WriteMemory(const Request& r, DeviceModel& m, uint8_t* answer);
bool WriteMemoryValue(const Request& r, DeviceModel& m, uint8_t* answer);
bool RefreshEeprom(const Request& r, DeviceModel& m, uint8_t* answer);
bool RestoreArea(const Request& r, DeviceModel& m, uint8_t* answer);
bool UpdateBackup(const Request& r, DeviceModel& m, uint8_t* answer);

// Connection and status (StatusCommands.cpp)
bool Greet(const Request& r, DeviceModel& m, uint8_t* answer);
bool ReadEepromStatus(const Request& r, DeviceModel& m, uint8_t* answer);
bool QueryRestart(const Request& r, DeviceModel& m, uint8_t* answer);
bool ReadState(const Request& r, DeviceModel& m, uint8_t* answer);

// Clock (ClockCommands.cpp)
bool ReadClock(const Request& r, DeviceModel& m, uint8_t* answer);
bool SetClock(const Request& r, DeviceModel& m, uint8_t* answer);

// Actions, tests and outputs (ActionCommands.cpp)
bool ClearOperatingHours(const Request& r, DeviceModel& m, uint8_t* answer);
bool TestFan(const Request& r, DeviceModel& m, uint8_t* answer);
bool RestartDevice(const Request& r, DeviceModel& m, uint8_t* answer);
bool SetRelay(const Request& r, DeviceModel& m, uint8_t* answer);
bool DeviceAction(const Request& r, DeviceModel& m, uint8_t* answer);

// Log (LogCommands.cpp)
bool ClearLog(const Request& r, DeviceModel& m, uint8_t* answer);

// Smoke sensors (SensorCommands.cpp) and front LEDs (LedCommands.cpp)
bool PollSensor(const Request& r, DeviceModel& m, uint8_t* answer);
bool SetLeds(const Request& r, DeviceModel& m, uint8_t* answer);

// Flow-log queues (FlowLogCommand.cpp)
bool ReadFlowLog(const Request& r, DeviceModel& m, uint8_t* answer);

// Raw inputs (InputCommands.cpp) and outputs (OutputCommands.cpp)
bool ReadAdc(const Request& r, DeviceModel& m, uint8_t* answer);
bool ReadUltra(const Request& r, DeviceModel& m, uint8_t* answer);
bool ReadButtons(const Request& r, DeviceModel& m, uint8_t* answer);
bool ReadRemotes(const Request& r, DeviceModel& m, uint8_t* answer);
bool ReadInput(const Request& r, DeviceModel& m, uint8_t* answer);
bool ReadSounders(const Request& r, DeviceModel& m, uint8_t* answer);
bool ReadCover(const Request& r, DeviceModel& m, uint8_t* answer);
bool SetFanDac(const Request& r, DeviceModel& m, uint8_t* answer);
bool IsolatorCommand(const Request& r, DeviceModel& m, uint8_t* answer);
bool ForceLogEvent(const Request& r, DeviceModel& m, uint8_t* answer);
bool SetStandAloneLoop(const Request& r, DeviceModel& m, uint8_t* answer);

// Extended command and its sub-commands (ExtendedCommand.cpp)
bool Extended(const Request& r, DeviceModel& m, uint8_t* answer);

}  // namespace sim::commands
