// "Information": what the connection learned about the detector, in memState.
#include "Format.h"
#include "FrmTestTKVU.h"

namespace {
constexpr int kQueryFailed = -1;

QString RestartText(int pending) {
  // A failed query says nothing about a restart: shown as the refused value,
  // not as a pending maintenance restart.
  if (pending == kQueryFailed) return QString::number(pending);
  return FormatChoice(pending, 0,
                      FormatChoice(pending, 1, QStringLiteral("Y (maintenance)"),
                                   QStringLiteral("Y (normal)")),
                      QStringLiteral("N"));
}
}  // namespace

void TFrmTestTKV::Button4Click(QObject*) {
  if (!RequireConnection()) return;
  TKV& device = *Device;
  ClearStatePanel();

  StateLine("ASD is connected       :" + FormatYesNo(device.IsConnected()));
  StateLine("Super User             :" + FormatYesNo(device.IsSuperUser()));
  StateLine("ASD will restart       :" + RestartText(device.GetRestartPending()));
  StateLine("E2P read               :" + FormatYesNo(device.IsEepromRead()));
  StateLine("E2P factory ok         :" + FormatYesNo(device.IsFactoryAreaOk()));
  StateLine("E2P config  ok         :" + FormatYesNo(device.IsConfigAreaOk()));
  StateLine("E2P loopbased ok       :" + FormatYesNo(device.IsLoopAreaOk()));
  const int wrongConfiguration = device.IsWrongConfiguration();
  StateLine("WRONG CONFIGURATION?   :" + FormatYesNo(wrongConfiguration));
  if (wrongConfiguration != 0) return;

  const auto number = [this](const char* label, int value) {
    StateLine(QString::fromLatin1(label) + QString::number(value));
  };
  StateLine("Variant                :" + FormatVariant(device.GetVariant()));
  number("Num. of channels       :", device.GetChannelCount());
  number("Num. of sensors        :", device.GetSensorCount());
  number("TKV id                 :", device.GetDeviceId());
  number("Serial num. #1         :", device.GetSerialNumber(0));
  number("Serial num. #2         :", device.GetSerialNumber(1));
  number("Serial num. #3         :", device.GetSerialNumber(2));
  number("Serial num. #4         :", device.GetSerialNumber(3));
  number("Params schema ID       :", device.GetParamsSchemaId());
  number("FW major version       :", device.GetFwMajor());
  number("FW minor version       :", device.GetFwMinor());
  number("FW build version       :", device.GetFwBuild());
  number("HW version             :", device.GetHwVersion());
  number("MC version             :", device.GetMcVersion());
  number("Manif. date DAY        :", device.GetManufDay());
  number("Manif. date MON        :", device.GetManufMonth());
  number("Manif. date YEA        :", device.GetManufYear());
  number("Manif. date HOU        :", device.GetManufHour());
  number("Manif. date MIN        :", device.GetManufMinute());
}
