#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

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
  // The verdict on an answer of count bytes where expectedLength (1 or more) were due, in
  // this order: length (6), status (8), checksum (7); 1 when it is sound. answer holds
  // expectedLength bytes whenever count equals it.
  static int32_t CheckAnswer(const uint8_t* answer, int count, int expectedLength);

  // --- result codes ---
  int32_t GetLastResult() const { return LastResult; }
  uint32_t GetWindowsError() const { return WindowsError; }
  // Copies the 128 characters of ErrorText when LastResult is 2.
  bool GetErrorText(char* buffer) const;

  // --- the line in use (TKVLineState.cpp) ---
  // 1 when the last failed exchange found the device gone (hang-up, unplugged
  // adapter, the detector's side of the line closed) and none has been answered
  // since; the result codes stay as they are.
  int IsLinkLost() const { return LinkLost; }
  // The COM number of the last open and the device it led to, empty when none.
  unsigned GetPortNumber() const { return PortNumber; }
  const std::string& GetPortDevice() const { return PortDevice; }

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

  // --- air density test ---
  // channel 1 or 2; tick -1 starts a test, then the caller's tick count 1, 2, 3, ...
  // Returns 0 error, 1 started or reading taken, 2 failed (unsteady), 3 not started
  // (channel held back by the detector), 4 warm-up reading, 10 or more the settling tick.
  int DensityTestStep(int channel, int tick);
  const DensityTest& GetDensityTest() const { return Density; }

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

  // --- EEPROM image, areas and memory commands ---
  // Fills the caller's 512 bytes; the held image is not changed.
  int ReadEepromImage(uint8_t* buffer);
  // Writes image[first..last] and reads the range back; 0 with LastResult 0 on a mismatch.
  int WriteEepromRange(const uint8_t* image, int first, int last);
  // Flags: 0 skip, non-zero write, 255 write without the checksum test.
  int WriteEepromAreas(const uint8_t* image, int writeLow, int writeFactory, int writeConfig);
  static bool VerifyImageChecksums(const uint8_t* image);
  static int UpdateImageChecksums(uint8_t* image);
  int StoreConfiguration();
  int ReloadParameters();
  int UpdateBackupArea();
  int RestoreEepromArea(int area);
  int RestoreWholeEeprom() { return RestoreEepromArea(0); }
  int RestoreLoopArea() { return RestoreEepromArea(1); }
  int RestoreFactoryArea() { return RestoreEepromArea(2); }
  int RestoreConfigArea() { return RestoreEepromArea(3); }
  int RestoreOnfArea();
  // The held image, read-only (the factory test and the pages read bytes by name).
  const uint8_t* HeldImage() const { return EepromImage.data(); }

  // --- actions, tests and the device clock ---
  int RestartDevice(int mode);
  int ResetDevice();
  int TestChannel(int selector);
  int SoundersOff(int selector);
  int TestFan(int selector, int speed);
  int SetRelay(int relay, int state);
  int ClearOperatingHours();
  int ReadClock(int32_t& day, int32_t& month, int32_t& year, int32_t& hour, int32_t& minute,
                int32_t& second);
  int SetClock(int32_t day, int32_t month, int32_t year, int32_t hour, int32_t minute,
               int32_t second);
  static bool IsValidDateTime(int32_t day, int32_t month, int32_t year, int32_t hour,
                              int32_t minute, int32_t second);
  static bool IsValidDayMonth(int32_t day, int32_t month);

  // --- configuration parameters of the held image ---
  // mode 0 reads into the arguments, 1 checks and stores, 2 only checks.
  int ParamPassword(int32_t* digits /*4*/, int mode);
  int ParamConfigStamp(int32_t& id, int32_t& day, int32_t& month, int32_t& year, int32_t& hour,
                       int32_t& minute, int32_t& second, int mode);
  int ParamChannelEnable(int32_t* enabled /*2*/, int mode);
  int ParamSensorEnable(int32_t* enabled /*2*/, int mode);
  int ParamDisableTime(int32_t& minutes, int mode);
  int ParamMaintTimeout(int32_t& minutes, int mode);
  int ParamTrendLogTime(int32_t& minutes, int mode);
  int ParamMirrorLeds(int32_t& enabled, int mode);
  int ParamSupplies(int32_t& supplies, int mode);
  int ParamDayNight(int32_t& enabled, int mode);
  int ParamDayTimes(int32_t& startHour, int32_t& startMinute, int32_t& endHour,
                    int32_t& endMinute, int mode);
  int ParamNightWeekdays(int32_t* flags /*7*/, int mode);
  int ParamHolidays(int32_t* day /*20*/, int32_t* month /*20*/, int mode);
  int ParamCommonChamber(int32_t& value, int mode);
  int ParamSounderCutoff(int32_t& fiveSeconds, int mode);
  int ParamLbAlarmMode(int32_t& value, int mode);
  int ParamLatchedAlarm(int32_t* latched /*2*/, int mode);
  int ParamPrealarmDelay(int32_t& seconds, int mode);
  int ParamAlarmDelay(int32_t& seconds, int mode);
  int ParamCascadeAlarm(int32_t& enabled, int mode);
  int ParamSounderOnPrealarm(int32_t& enabled, int mode);
  int ParamSensorTimeout(int32_t& seconds, int mode);
  int ParamAlarmLevels(int32_t* alarmDay /*2*/, int32_t* prealarmDay /*2*/,
                       int32_t* alarmNight /*2*/, int32_t* prealarmNight /*2*/, int mode);
  int ParamAuxRelayCh2(int32_t& enabled, int mode);
  int ParamRemoteOutputTime(int32_t& fiftyMs, int mode);
  int ParamChannelLabels(int32_t* characters /*32*/, int mode);
  int ParamFlows(int32_t* reference /*2*/, int32_t* minimum /*2*/, int32_t* maximum /*2*/,
                 int mode);
  int ParamFilterDueDates(int32_t* day /*2*/, int32_t* month /*2*/, int32_t* year /*2*/,
                          int mode);
  int ParamAutoFanSpeed(int32_t* manual /*2*/, int mode);
  int ParamDaylightSaving(int32_t& value, int mode);
  int ParamDaylightDates(int32_t& startDay, int32_t& startMonth, int32_t& startHour,
                         int32_t& startMinute, int32_t& endDay, int32_t& endMonth,
                         int32_t& endHour, int32_t& endMinute, int mode);
  int ParamLatchedFault(int32_t& value, int mode);
  int ParamFaultDelay(int32_t& seconds, int mode);
  int ParamFlowFaultDelay(int32_t& seconds, int mode);
  int ParamPowerRestartTime(int32_t& seconds, int mode);
  int ParamManualFanSpeed(int32_t* speed /*2*/, int mode);
  int ParamAuxFaultEvents(int32_t& temperature, int32_t& externalInput, int32_t& lowPower,
                          int32_t& flowFault, int32_t& sensor, int32_t& powerRestart, int mode);
  int ParamAuxFaultLatched(int32_t& value, int mode);
  int ParamExtInputNormalState(int32_t& value, int mode);
  int ParamExtInputEvent(int32_t& choice, int mode);
  int ParamSensorDisableTime(int32_t& minutes, int mode);
  int ParamPressure(int32_t& b0, int32_t& b1, int32_t& b2, int32_t& b3, int mode);

 private:
  int OpenAndGreet(unsigned port, int interByteMs, int totalMs, int attempts);
  int LoadImageAndLogHeader();
  int ReadMemoryInto(int address, int count, uint8_t* out);
  void FailWithPortError(const char* text, int error);
  // A failed open: the step's text (nullptr for the open itself, "Invalid Handle (-1)"),
  // then why in words and the port, as ErrorText. Returns 0.
  int FailToOpen(const char* stepText, int error);
  // After every exchange: a vanished device marks the link lost, an answer clears it.
  void NoteLinkState(int exchanged);
  // A read failure; it leaves the line suspect unless the device went away.
  void FailRead(int error);
  // Before a request on a suspect line: 1 once the line has been quiet for the inter-byte
  // time, else 0 with LastResult set (4 when it did not go quiet within the total time-out).
  int SettleLine();
  // Getter guards: set LastResult and return false when the value may not be given out.
  bool ConnectedOr10();
  bool DeviceInfoAvailable();
  bool StateAvailable();
  bool LogCommandAllowed();  // connected, configured, EEPROM read
  bool LogAvailable();       // and the log loaded
  int StateValue(int32_t value);
  // The common guard of the actions and the clock (10, then 19).
  bool ActionAllowed();
  // One acknowledged command without answer data; a refusal becomes refusalCode.
  int RunAction(uint8_t code, const frame::Params& params, int32_t refusalCode);
  // Sets 13 when an argument check fails.
  bool ArgumentOk(bool ok);
  // The guard of the EEPROM operations that need valid areas (10, 20, 22).
  bool AreasUsable(bool needLoopArea);
  bool EepromReadOr20();
  // The guard every parameter accessor passes first: 10, 20, 22, then 13 for a bad mode.
  bool CheckParamAccess(int mode);
  // The one body of the parameter accessors, driven by the accessor's entry in the layout
  // table (ParamLayouts.h): the arguments bind, in order, to the entry's runs of bytes. A
  // template only so that this header need not know the table; defined and used in
  // TKVParams.cpp alone.
  template <class Layout>
  int AccessParams(const Layout& layout, std::initializer_list<int32_t*> arguments, int mode);
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
  // After a time-out, surplus bytes or a read error, until an exchange goes cleanly: a late
  // answer may still be on its way. Kept for PortDevice when the port closes (SuspectLines.h).
  bool LineSuspect = false;
  int32_t PortOpen = 0;

  // the line in use
  int32_t LinkLost = 0;
  unsigned PortNumber = 0;
  std::string PortDevice;

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
  DensityTest Density;
};
