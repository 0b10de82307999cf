#pragma once
#include <array>
#include <cstdint>

// The records TKV fills from the detector's answers. 99999 marks a value the
// detector reports as not available.
constexpr int32_t kNotAvailable = 99999;

// Answer of command 32 (ReadEepromStatus).
struct EepromStatus {
  int32_t EepromRead = 0;
  int32_t FactoryAreaOk = 0;
  int32_t ConfigAreaOk = 0;
  int32_t LoopAreaOk = 0;
  int32_t WrongConfiguration = 0;
  int32_t SuperUser = 0;
};

// Identity fields of the factory area, image bytes 256..274.
struct DeviceInfo {
  int32_t SensorCount = 0;
  int32_t ChannelCount = 0;
  int32_t DeviceId = 0;
  int32_t Variant = 0;  // 1 stand alone, 2 loop based, 3 zandt, 4 quib
  std::array<int32_t, 4> SerialNumber{};
  int32_t ParamsSchemaId = 0;
  int32_t FwMajor = 0;
  int32_t HwVersion = 0;
  int32_t McVersion = 0;
  int32_t ManufDay = 0;
  int32_t ManufMonth = 0;
  int32_t ManufYear = 0;
  int32_t ManufHour = 0;
  int32_t ManufMinute = 0;
  int32_t FwMinor = 0;
  int32_t FwBuild = 0;
};

struct ChannelState {
  int32_t Enabled = 0;
  int32_t SensorEnabled = 0;
  int32_t Alarm = 0;
  int32_t Prealarm = 0;
  int32_t Flow = 0;
  int32_t FanSpeed = 0;
  int32_t FlowTemperature = 0;  // tenths of a degree Celsius
  int32_t SensorOutput = 0;
};

constexpr int kStateFlagCount = 38;  // flag k is addressed by code 100 + k
constexpr int kRelayCount = 9;

// Answer of command 30 (ReadState), 74 data bytes.
struct DeviceState {
  std::array<ChannelState, 2> Channel{};
  std::array<int32_t, 2> Supply{};  // millivolts
  std::array<int32_t, kStateFlagCount> Flag{};
  int32_t AsdFault = 0;
  int32_t AsdAuxFault = 0;
  std::array<int32_t, 4> OperatingHours{};
  int32_t ExternalInput = 0;
  std::array<int32_t, kRelayCount> Relay{};
  int32_t InternalTemperature = 0;  // tenths of a degree Celsius
  int32_t LoopAddress = 0;
};

// One decoded event-log entry.
struct LogRecord {
  int32_t EventCode = 0;
  int32_t Day = 0;  // 0: the entry has no date
  int32_t Month = 0;
  int32_t Year = 0;
  int32_t Hour = 0;
  int32_t Minute = 0;
  int32_t Second = 0;
  int32_t Temperature = 0;
  std::array<int32_t, 2> Supply{};
  std::array<int32_t, 2> Flow{};
  std::array<int32_t, 2> Sensor{};
};

// Value encodings shared by state and log: a zero byte means not available.
inline int32_t DecodeTemperature(uint8_t b) { return b == 0 ? kNotAvailable : b * 5 - 500; }
inline int32_t DecodeSupply(uint8_t b) { return b == 0 ? kNotAvailable : b * 100 + 10000; }
inline int32_t DecodeFlow(uint8_t b) { return b == 0 ? kNotAvailable : b; }

// The records as the detector's bytes give them.
DeviceState DecodeState(const uint8_t* bytes);            // the 74 answer data bytes of command 30
DeviceInfo DecodeDeviceInfo(const uint8_t* factoryArea);  // image bytes 256..274
LogRecord DecodeLogEntry(const uint8_t* entry);           // one 14-byte entry of the log area

// The air density test of one channel, held by TKV between the steps of a test.
struct DensityTest {
  int32_t SampleCount = 0;   // ring size, 30 once started; 0: never started
  int32_t SampleIndex = 0;   // -30..-1 during warm-up, then the ring position 0..29
  std::array<int32_t, 30> Samples{};
  int32_t Average = 0;       // warm-up average
  double FastAverage = 0.0;  // running average, weight 0.2
  double SlowAverage = 0.0;  // running average, weight 0.01
  int32_t DriftCount = 0;    // readings with a large fast-slow gap; -1 finished, -2 failed
  int32_t Result = 0;        // the tick recorded as the settling point
};
