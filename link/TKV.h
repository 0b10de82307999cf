#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "Frame.h"
#include "MemoryMap.h"
#include "Records.h"
#include "ResultCodes.h"

namespace serial {
class SerialPort;
}

// The device-protocol object: one per connection to a detector. Operations
// return 1 when done and 0 when not, with the reason in LastResult; getters
// return the value, or -1 when refused.
class TKV {
 public:
  TKV();
  ~TKV();
  TKV(const TKV&) = delete;
  TKV& operator=(const TKV&) = delete;

  // --- transport ---
  int OpenPort(unsigned port, uint32_t baudRate, uint8_t byteSize, uint8_t parity,
               uint8_t stopBits, int interByteMs, int totalMs);
  int Exchange(const uint8_t* request, int requestLength, uint8_t* answer, int answerLength,
               int* lastReadCount);
  void ClosePort();
  void ReleasePort();
  int IsPortOpen() const { return PortOpen; }

  // --- frames and transactions ---
  // answer must hold at least M + 2 bytes (1 when M = 0).
  int SendCommand(uint8_t code, int32_t dataLength, int32_t answerDataLength,
                  const frame::Params& params, const uint8_t* data, uint8_t* answer);
  int Transact(const uint8_t* request, int requestLength, int expectedLength, uint8_t* answer,
               int* countOut);

  // --- result codes ---
  int32_t GetLastResult() const { return LastResult; }
  uint32_t GetWindowsError() const { return WindowsError; }
  // Copies the 128 characters of ErrorText when LastResult is 2.
  bool GetErrorText(char* buffer) const;

  // --- connection and identity ---
  int Connect(unsigned port, int interByteMs, int totalMs, int attempts);
  int Disconnect();
  int IsConnected() const { return Connected; }
  int GetRestartPending();

  int IsEepromRead();
  int IsFactoryAreaOk();
  int IsConfigAreaOk();
  int IsLoopAreaOk();
  int IsWrongConfiguration();
  int IsSuperUser();

  int GetVariant();
  int GetChannelCount();
  int GetSensorCount();
  int GetDeviceId();
  int GetSerialNumber(int index);
  int GetParamsSchemaId();
  int GetFwMajor();
  int GetFwMinor();
  int GetFwBuild();
  int GetHwVersion();
  int GetMcVersion();
  int GetManufDay();
  int GetManufMonth();
  int GetManufYear();
  int GetManufHour();
  int GetManufMinute();

  // Seeded sum of data[start .. start+count-1] without data[position], against data[position].
  static bool VerifyAreaChecksum(const uint8_t* data, int start, int count, int position,
                                 int seed);
  static bool AreaValid(const uint8_t* data, const memory::Area& area);

  // --- extended command (36) ---
  // Sends the low byte of each of the 12 parameters and 1024 data values.
  int ExtendedCommand(const int32_t* params, const int32_t* data, int32_t* answer);

  // --- device state (30) ---
  int ReadState();
  int GetChannelEnabled(int ch);
  int GetSensorEnabled(int ch);
  int GetChannelAlarm(int ch);
  int GetChannelPrealarm(int ch);
  int GetFlow(int ch);
  int GetFanSpeed(int ch);
  int GetFlowTemperature(int ch);
  int GetSensorOutput(int ch);
  int GetSupplyVoltage(int index);
  int GetAsdFault();
  int GetAsdAuxFault();
  int GetInternalTemperature();
  int GetLoopAddress();
  int GetExternalInput();
  int GetOperatingHoursByte0();
  int GetOperatingHoursByte1();
  int GetOperatingHoursByte2();
  int GetOperatingHoursByte3();
  int GetRelay(int index);
  int GetStateFlag(int code);

  // --- event log ---
  int ReadLog();
  // A negative index reads entry |index| without comparing it with the count.
  int GetLogRecord(int index, int32_t* eventCode, int32_t* day, int32_t* month, int32_t* year,
                   int32_t* hour, int32_t* minute, int32_t* second, int32_t* temperature,
                   int32_t* supply, int32_t* flow, int32_t* sensor);
  int ClearLog();
  int GetLogCount();
  int IsLogFull();

 private:
  int OpenAndGreet(unsigned port, int interByteMs, int totalMs, int attempts);
  int LoadImageAndLogHeader();
  int ReadMemoryInto(int address, int count, uint8_t* out);
  void DecodeDeviceInfo();
  void DecodeState(const uint8_t* bytes);
  void FailWithPortError(const char* text, int error);
  // Getter guards: set LastResult and return false when the value may not be given out.
  bool ConnectedOr10();
  bool DeviceInfoAvailable();
  bool StateAvailable();
  bool LogCommandAllowed();  // connected, configured, EEPROM read
  bool LogAvailable();       // and the log loaded
  int StateValue(int32_t value);
  int InfoValue(int32_t value);
  // A refused transaction (8) becomes the operation's own code.
  void MapRefusal(int32_t ownCode);

  // transport
  int32_t LastResult = 0;
  uint32_t WindowsError = 0;
  std::array<char, 128> ErrorText{};
  std::unique_ptr<serial::SerialPort> Handle;
  int32_t ReadAttempts = 8;
  int InterByteMs = 50;
  int TotalMs = 1000;
  int32_t PortOpen = 0;

  // buffers
  std::array<uint8_t, frame::kMaxAnswer> Answer{};
  std::array<uint8_t, frame::kMaxData> Staging{};
  std::array<uint8_t, frame::kMaxRequest> Request{};

  // connection
  int32_t Connected = 0;
  EepromStatus Status;
  int32_t StateValid = 0;
  int32_t RestartPending = 0;

  // EEPROM copies
  std::array<uint8_t, memory::kImageSize> EepromImage{};
  std::array<uint8_t, memory::kLogHeaderSize> LogHeader{};

  // log
  std::array<uint8_t, memory::kLogBufferSize> LogBuffer{};
  int32_t LogCount = 0;
  int32_t LogFull = 0;
  int32_t LogLoaded = 0;

  DeviceInfo Info;
  DeviceState State;
};
