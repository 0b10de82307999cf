// The one-shot commands of the Admin #1 page: analogue reads, fan DAC,
// isolator, stand-alone loop supply, forced log entries, RAM and loop address.
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "Admin1RawCommand.h"
#include "Convert.h"
#include "FrmTestTKVU.h"
#include "RadioGroup.h"

namespace {
constexpr uint8_t kSetFanDac = 8;
constexpr uint8_t kReadAdc = 9;
constexpr uint8_t kIsolatorCommand = 10;
constexpr uint8_t kForceLogEvent = 21;
constexpr uint8_t kSetStandAloneLoop = 24;
constexpr int32_t kReadRam = 3;      // extended sub-commands
constexpr int32_t kLoopAddress = 4;
constexpr int kFan1Channel = 5, kFan2Channel = 6;
constexpr int kManyLogEntries = 2230;
const QString kErr = QStringLiteral("ERR");

using ExtendedValues = std::array<int32_t, frame::kMaxData>;

// Extended command with the given parameter values 0..; the others are 0.
int Extended(TKV& device, std::initializer_list<int32_t> values, ExtendedValues& answer) {
  std::array<int32_t, frame::kParamCount> params{};
  std::copy(values.begin(), values.end(), params.begin());
  static const ExtendedValues kNoData{};
  return device.ExtendedCommand(params.data(), kNoData.data(), answer.data());
}

QString AdText(const TFrmTestTKV::AdReading& r) { return r.ok ? QString::number(r.value) : kErr; }
}  // namespace

TFrmTestTKV::AdReading TFrmTestTKV::ReadAdChannel(int channel) {
  if (!RequireConnection()) return {};
  RawAnswer answer{};
  if (!SendRaw(*Device, kReadAdc, 2, {channel}, answer)) return {};
  return {true, AnswerWord(answer, 1)};
}

void TFrmTestTKV::btnReadFansADClick(QObject*) {
  if (!RequireConnection()) return;
  edtFan1AD->setText(AdText(ReadAdChannel(kFan1Channel)));
  edtFan2AD->setText(AdText(ReadAdChannel(kFan2Channel)));
}

void TFrmTestTKV::btnSetFansDACClick(QObject* Sender) {
  if (!RequireConnection()) return;
  const int fan1 = StrToInt(edtFan1DAC->text()), fan2 = StrToInt(edtFan2DAC->text());
  const int stop = Sender && Sender == btnStopFANS ? 1 : 0;
  RawAnswer answer{};
  if (!SendRaw(*Device, kSetFanDac, 0, {fan1, fan2, stop}, answer)) ReportLastError();
}

namespace {
// One isolator exchange: 0 reads, another value is carried out first.
bool IsolatorExchange(TFrmTestTKV& f, bool readOnly) {
  if (!f.RequireConnection()) return false;
  const int command = readOnly ? 0 : StrToInt(f.edtSub127Cmd->text());
  f.edtIsolatorPinState->setText(QStringLiteral("---"));
  f.edtSub127->setText(QStringLiteral("---"));
  RawAnswer answer{};
  if (!SendRaw(*f.Device, kIsolatorCommand, 2, {command}, answer)) {
    f.edtIsolatorPinState->setText(kErr);
    f.edtSub127->setText(kErr);
    return false;
  }
  f.edtIsolatorPinState->setText(QString::number(answer[1]));
  f.edtSub127->setText(QString::number(answer[2]));
  return true;
}
}  // namespace

void TFrmTestTKV::btnReadIsolatorClick(QObject* Sender) {
  if (IsolatorExchange(*this, Sender && Sender == btnReadIsolator)) LastActionOk = 1;
}

void TFrmTestTKV::btnIsolatorCmdClick(QObject*) { IsolatorExchange(*this, false); }

void TFrmTestTKV::btnSetSALoopClick(QObject*) {
  const int selection = rgSetSaLoop->ItemIndex();
  RawAnswer answer{};
  RunDeviceAction([&](TKV& d) { return SendRaw(d, kSetStandAloneLoop, 0, {selection}, answer); },
                  QStringLiteral(">>Loop set!"));
}

// FORCE 2230 LOG stays disabled while its insertions run.
void TFrmTestTKV::btnForceLogClick(QObject* Sender) {
  const int count = Sender && Sender->objectName() == QLatin1String("Button41") ? kManyLogEntries : 1;
  if (!RequireConnection()) return;
  const int event = StrToInt(edtForceLog->text());
  Button41->setEnabled(false);
  RawAnswer answer{};
  bool inserted = true;
  for (int i = 0; i < count && inserted; ++i)
    inserted = SendRaw(*Device, kForceLogEvent, 0, {event}, answer) != 0;
  Button41->setEnabled(true);
  if (!inserted) {
    ReportLastError();
    return;
  }
  LogLine(QStringLiteral(">>Log inserted!"));
  LastActionOk = 1;
}

void TFrmTestTKV::Button43Click(QObject*) {
  if (!RequireConnection()) return;
  const auto address = static_cast<uint32_t>(StrToInt(edtReadRAM->text()));
  ExtendedValues answer{};
  if (!Extended(*Device,
                {kReadRam, static_cast<int32_t>(address & 0xFF), static_cast<int32_t>(address >> 8 & 0xFF),
                 static_cast<int32_t>(address >> 16 & 0xFF), static_cast<int32_t>(address >> 24)},
                answer)) {
    ReportLastError();
    return;
  }
  const QString value = QString::number(answer[0]);
  const QString hex = QStringLiteral("%1").arg(address, 8, 16, QLatin1Char('0')).toUpper();
  LogLine(hex + QLatin1Char('=') + value);
  edtRamValue->setText(value);
}

void TFrmTestTKV::Button44Click(QObject*) {
  if (!RequireConnection()) return;
  ExtendedValues answer{};
  if (!Extended(*Device, {kLoopAddress}, answer)) {
    ReportLastError();
    return;
  }
  LogLine(QStringLiteral("Loop address ") + edtReadRAM->text() + QStringLiteral(" = ") +
          QString::number(answer[1] * 10 + answer[0]));
}
