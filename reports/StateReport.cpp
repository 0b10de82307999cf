// "Get State": the detector's live state as a fixed-layout report in memState.
#include <array>
#include <cstdint>

#include "FaultNames.h"
#include "Format.h"
#include "FrmTestTKVU.h"

namespace {
constexpr int kStandAlone = 1, kLoopBased = 2, kZandt = 3, kQuib = 4;
constexpr int kDelay = 2;  // an alarm or fault waiting for its delay
constexpr int kInvalidLoopAddress = 255;

struct RelayLine {
  const char* label;
  int index;
};
// Relay 0 is not reported.
constexpr std::array<RelayLine, 8> kRelays = {{
    {" Relay ALARM 1         :", 1},
    {" Relay ALARM 2         :", 2},
    {" Relay PREALARM 1      :", 6},
    {" Relay PREALARM 2      :", 7},
    {" Relay SOUNDER 1       :", 3},
    {" Relay SOUNDER 2       :", 4},
    {" Relay FAULT           :", 5},
    {" Relay AUXILIART FAULT :", 8},
}};

QString YesNoDelay(int value) {
  return value == kDelay ? QStringLiteral("delay") : FormatYesNo(value);
}

QString OperatingHours(TKV& device) {
  // 64-bit: a top byte of 128 or more does not fit a signed 32-bit count.
  const int64_t count = int64_t{device.GetOperatingHoursByte0()} +
                        256 * int64_t{device.GetOperatingHoursByte1()} +
                        65536 * int64_t{device.GetOperatingHoursByte2()} +
                        16777216 * int64_t{device.GetOperatingHoursByte3()};
  return QString::number(count / 2);  // the counter runs in half hours
}
}  // namespace

void TFrmTestTKV::btnStateClick(QObject*) {
  if (!RequireConnection()) return;
  TKV& device = *Device;
  if (!device.ReadState()) {
    ReportLastError();
    return;
  }
  LastActionOk = 1;
  ClearStatePanel();

  StateLine(" ASD in fault          :" + YesNoDelay(device.GetAsdFault()));
  StateLine(" ASD in auxiliary fault:" + YesNoDelay(device.GetAsdAuxFault()));
  for (const FaultName& fault : kFaultNames) StateFlagLine(QString::fromLatin1(fault.text), fault.code);
  StateLine(" Power 1               :" + FormatUndefinedInt(device.GetSupplyVoltage(0)));
  StateLine(" Power 2               :" + FormatUndefinedInt(device.GetSupplyVoltage(1)));
  StateLine(" Internal temperature  :" + FormatTenths(device.GetInternalTemperature()));
  if (device.GetVariant() == kLoopBased) {
    const int address = device.GetLoopAddress();
    StateLine(" Loop Address          :" + (address == kInvalidLoopAddress
                                                 ? QStringLiteral("invalid")
                                                 : QString::number(address)));
  }
  StateLine(" External input        :" +
            (device.GetExternalInput() == 0 ? QStringLiteral("open") : QStringLiteral("short")));
  StateLine(" Operating hours       :" + OperatingHours(device));
  for (const RelayLine& relay : kRelays)
    StateLine(QString::fromLatin1(relay.label) +
              (device.GetRelay(relay.index) == 0 ? QStringLiteral("reset") : QStringLiteral("set")));

  // Both channel blocks, whatever the number of channels.
  for (int ch = 0; ch < 2; ++ch) {
    StateLine(QStringLiteral(" "));  // blank lines hold one blank
    StateLine(QStringLiteral(">>CHANNEL %1 ----------").arg(ch + 1));
    StateLine(" Channel is enabled    :" + FormatYesNo(device.GetChannelEnabled(ch)));
    StateLine(" Sensor  is enabled    :" + FormatYesNo(device.GetSensorEnabled(ch)));
    if (device.GetSensorEnabled(ch) != 0) {
      const int variant = device.GetVariant();
      const int output = device.GetSensorOutput(ch);
      if (variant == kLoopBased || variant == kQuib)
        StateLine(" Sensor Remote Output  :" + (output == 1 ? QStringLiteral("ON") : QStringLiteral("OFF")));
      else if (variant == kZandt)
        StateLine(" Sensor Base relay     :" +
                  (output == 1 ? QStringLiteral("active") : QStringLiteral("not active")));
      else if (variant == kStandAlone)
        StateLine(" Last poll             :" + SensorStatusText(output));
    }
    if (device.GetChannelEnabled(ch) != 0) {
      StateLine(" Channel is in alarm   :" + YesNoDelay(device.GetChannelAlarm(ch)));
      if (device.GetVariant() == kStandAlone)
        StateLine(" Channel is in prealarm:" + YesNoDelay(device.GetChannelPrealarm(ch)));
      StateLine(" Flow                  :" + FormatUndefinedInt(device.GetFlow(ch)));
      StateLine(" Fan speed             :" + QString::number(device.GetFanSpeed(ch)));
      StateLine(" Flow temperature      :" + FormatTenths(device.GetFlowTemperature(ch)));
    }
  }
}
