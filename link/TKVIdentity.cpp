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
