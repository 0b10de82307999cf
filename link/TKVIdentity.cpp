// EEPROM status flags and the identity fields of the factory area.
#include "TKV.h"

bool TKV::ConnectedOr10() {
  if (Connected) return true;
  LastResult = ResultNotConnected;
  return false;
}

int TKV::IsEepromRead() { return ConnectedOr10() ? Status.EepromRead : -1; }
int TKV::IsFactoryAreaOk() { return ConnectedOr10() ? Status.FactoryAreaOk : -1; }
int TKV::IsConfigAreaOk() { return ConnectedOr10() ? Status.ConfigAreaOk : -1; }
int TKV::IsLoopAreaOk() { return ConnectedOr10() ? Status.LoopAreaOk : -1; }
int TKV::IsWrongConfiguration() { return ConnectedOr10() ? Status.WrongConfiguration : -1; }
int TKV::IsSuperUser() { return ConnectedOr10() ? Status.SuperUser : -1; }

bool TKV::DeviceInfoAvailable() {
  if (!ConnectedOr10()) return false;
  if (Status.WrongConfiguration == 0 && Status.FactoryAreaOk == 1) return true;
  LastResult = ResultInfoUnavailable;
  return false;
}

int TKV::InfoValue(int32_t value) { return DeviceInfoAvailable() ? value : -1; }

void TKV::DecodeDeviceInfo() {
  const uint8_t* f = EepromImage.data() + memory::kFactoryArea.start;
  Info.SensorCount = f[0];
  Info.ChannelCount = f[1];
  Info.DeviceId = f[2];
  Info.Variant = f[3];
  for (int i = 0; i < 4; ++i) Info.SerialNumber[i] = f[4 + i];
  Info.ParamsSchemaId = f[8];
  Info.FwMajor = f[9];
  Info.HwVersion = f[10];
  Info.McVersion = f[11];
  Info.ManufDay = f[12];
  Info.ManufMonth = f[13];
  // Two-digit year; a stored 100 or more is the detector's way of saying 2011.
  Info.ManufYear = f[14] >= 100 ? 11 : f[14];
  Info.ManufHour = f[15];
  Info.ManufMinute = f[16];
  Info.FwMinor = f[17];
  Info.FwBuild = f[18];
}

int TKV::GetVariant() { return InfoValue(Info.Variant); }
int TKV::GetChannelCount() { return InfoValue(Info.ChannelCount); }
int TKV::GetSensorCount() { return InfoValue(Info.SensorCount); }
int TKV::GetDeviceId() { return InfoValue(Info.DeviceId); }
int TKV::GetParamsSchemaId() { return InfoValue(Info.ParamsSchemaId); }
int TKV::GetFwMajor() { return InfoValue(Info.FwMajor); }
int TKV::GetFwMinor() { return InfoValue(Info.FwMinor); }
int TKV::GetFwBuild() { return InfoValue(Info.FwBuild); }
int TKV::GetHwVersion() { return InfoValue(Info.HwVersion); }
int TKV::GetMcVersion() { return InfoValue(Info.McVersion); }
int TKV::GetManufDay() { return InfoValue(Info.ManufDay); }
int TKV::GetManufMonth() { return InfoValue(Info.ManufMonth); }
int TKV::GetManufYear() { return InfoValue(Info.ManufYear); }
int TKV::GetManufHour() { return InfoValue(Info.ManufHour); }
int TKV::GetManufMinute() { return InfoValue(Info.ManufMinute); }

int TKV::GetSerialNumber(int index) {
  if (!DeviceInfoAvailable()) return -1;
  if (index < 0 || index > 3) {
    LastResult = ResultBadCall;
    return -1;
  }
  return Info.SerialNumber[static_cast<size_t>(index)];
}
