#include "Records.h"

#include <cstddef>

DeviceState DecodeState(const uint8_t* bytes) {
  DeviceState state;
  for (size_t ch = 0; ch < 2; ++ch) {
    const uint8_t* c = bytes + 6 * ch;
    ChannelState& s = state.Channel[ch];
    s.Enabled = c[0];
    s.SensorEnabled = c[1];
    s.Alarm = c[2];
    s.Prealarm = c[3];
    s.Flow = DecodeFlow(c[4]);
    s.FanSpeed = c[5];
    s.FlowTemperature = DecodeTemperature(bytes[69 + ch]);
    s.SensorOutput = bytes[72 + ch];
  }
  state.Supply[0] = DecodeSupply(bytes[12]);
  state.Supply[1] = DecodeSupply(bytes[13]);
  for (size_t k = 0; k < kStateFlagCount; ++k) state.Flag[k] = bytes[14 + k];
  state.AsdFault = bytes[52];
  state.AsdAuxFault = bytes[53];
  for (size_t i = 0; i < 4; ++i) state.OperatingHours[i] = bytes[54 + i];
  state.ExternalInput = bytes[58];
  for (size_t i = 0; i < kRelayCount; ++i) state.Relay[i] = bytes[59 + i];
  state.InternalTemperature = DecodeTemperature(bytes[68]);
  state.LoopAddress = bytes[71];
  return state;
}

DeviceInfo DecodeDeviceInfo(const uint8_t* f) {
  DeviceInfo info;
  info.SensorCount = f[0];
  info.ChannelCount = f[1];
  info.DeviceId = f[2];
  info.Variant = f[3];
  for (size_t i = 0; i < 4; ++i) info.SerialNumber[i] = f[4 + i];
  info.ParamsSchemaId = f[8];
  info.FwMajor = f[9];
  info.HwVersion = f[10];
  info.McVersion = f[11];
  info.ManufDay = f[12];
  info.ManufMonth = f[13];
  // Two-digit year; a stored 100 or more is the detector's way of saying 2011.
  info.ManufYear = f[14] >= 100 ? 11 : f[14];
  info.ManufHour = f[15];
  info.ManufMinute = f[16];
  info.FwMinor = f[17];
  info.FwBuild = f[18];
  return info;
}

LogRecord DecodeLogEntry(const uint8_t* e) {
  LogRecord r;
  r.EventCode = e[0];
  r.Day = e[1];
  r.Month = e[2];
  r.Year = e[3];
  r.Hour = e[4];
  r.Minute = e[5];
  r.Second = e[6];
  r.Temperature = DecodeTemperature(e[7]);
  r.Supply = {DecodeSupply(e[8]), DecodeSupply(e[9])};
  r.Flow = {DecodeFlow(e[10]), DecodeFlow(e[11])};
  r.Sensor = {e[12], e[13]};
  return r;
}
