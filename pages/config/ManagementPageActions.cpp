// The Management page's actions: clock, operating hours, restarts, relays,
// fan tests, channel tests, sounders off and the extended command 1 dump.
// Each is one or two TKV operations and one fixed console line.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <array>

#include "Convert.h"
#include "Format.h"
#include "FrmTestTKVU.h"
#include "Tag.h"

namespace {
constexpr int kInfoValues = 1024;
constexpr int kValuesPerLine = 24;
constexpr int kBothChannels = 2;

// The two-character field of the clock text at 1-based position.
int ClockField(const QString& text, int position) { return StrToInt(text.mid(position - 1, 2)); }

// Which channel a test or sounders-off button names: 0 and 1 for its own
// one-channel buttons, both for anything else (the "both" button, no button).
int ChannelSelector(QObject* sender, QObject* first, QObject* second) {
  if (sender && sender == first) return 0;
  if (sender && sender == second) return 1;
  return kBothChannels;
}

const char* ChannelText(int selector) {
  static const char* const kTexts[] = {"1", "2", "1 and 2"};
  return kTexts[selector];
}
}  // namespace

void TFrmTestTKV::Button23Click(QObject*) {
  if (!RequireConnection()) return;
  const QString text = edtSetTime->text();
  std::array<int, 6> f{};
  for (int i = 0; i < 6; ++i) f[static_cast<size_t>(i)] = ClockField(text, 1 + 3 * i);
  if (!Device->SetClock(f[0], f[1], f[2], f[3], f[4], f[5])) {
    ReportLastError();
    return;
  }
  LogLine(QStringLiteral(">>Device clock set!"));
  LastActionOk = 1;
}

void TFrmTestTKV::Button24Click(QObject*) {
  if (!RequireConnection()) return;
  int32_t day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;
  if (!Device->ReadClock(day, month, year, hour, minute, second)) {
    ReportLastError();
    return;
  }
  edtGetTime->setText(QStringLiteral("%1/%2/%3 %4:%5:%6")
                          .arg(FormatTwoDigits(day), FormatTwoDigits(month), FormatTwoDigits(year),
                               FormatTwoDigits(hour), FormatTwoDigits(minute),
                               FormatTwoDigits(second)));
  LogLine(QStringLiteral(">>Device clock read!"));
  LastActionOk = 1;
}

void TFrmTestTKV::Button6Click(QObject*) {
  RunDeviceAction([](TKV& d) { return d.ClearOperatingHours(); },
                  QStringLiteral(">>Operating hours cleared"));
}

void TFrmTestTKV::btnRestartNormClick(QObject*) {
  RunDeviceAction([](TKV& d) { return d.RestartDevice(0); },
                  QStringLiteral(">>Restart ASD: normal"));
}

void TFrmTestTKV::btnRestartMaintClick(QObject*) {
  RunDeviceAction([](TKV& d) { return d.RestartDevice(1); },
                  QStringLiteral(">>Restart ASD: maintenance"));
}

void TFrmTestTKV::btnAlarm1RelayClick(QObject* Sender) {
  auto* button = qobject_cast<QPushButton*>(Sender);
  const int state = button && button->text().endsWith(QLatin1Char('F')) ? 0 : 1;
  const int relay = Tag(Sender);
  if (RunDeviceAction([=](TKV& d) { return d.SetRelay(relay, state); },
                      QStringLiteral(">>Relay: ") + (state ? QStringLiteral("ON") : QStringLiteral("OFF"))))
    LastActionOk = 1;
}

void TFrmTestTKV::btnTestFan1Click(QObject* Sender) {
  const int fan = Sender && Sender == btnTestFan2 ? 1 : 0;
  const int speed = (fan ? tbFan2 : tbFan1)->value();
  if (RunDeviceAction([=](TKV& d) { return d.TestFan(fan, speed); },
                      QStringLiteral(">>Test Fan: %1").arg(fan + 1)))
    LastActionOk = 1;
}

void TFrmTestTKV::tbFan1Change(QObject* Sender) {
  QLabel* label = Sender == tbFan2 ? lblTestFan2 : lblTestFan1;
  label->setText(QString::number(static_cast<QSlider*>(Sender)->value()));
}

void TFrmTestTKV::btnTestCh1Click(QObject* Sender) {
  const int selector = ChannelSelector(Sender, btnTestCh1, btnTestCh2);
  RunDeviceAction([=](TKV& d) { return d.TestChannel(selector); },
                  QStringLiteral(">>Test channel: ") + QLatin1String(ChannelText(selector)));
}

void TFrmTestTKV::btnSndOff1Click(QObject* Sender) {
  const int selector = ChannelSelector(Sender, btnSndOff1, btnSndOff2);
  RunDeviceAction([=](TKV& d) { return d.SoundersOff(selector); },
                  QStringLiteral(">>Sounder off: ") + QLatin1String(ChannelText(selector)));
}

// The 1024 values as three-digit numbers, 24 to a line, in one console entry.
void TFrmTestTKV::Button36Click(QObject*) {
  if (!RequireConnection()) return;
  std::array<int32_t, frame::kParamCount> params{};
  params[0] = 1;
  std::array<int32_t, kInfoValues> data{}, answer{};
  if (!Device->ExtendedCommand(params.data(), data.data(), answer.data())) {
    ReportLastError();
    return;
  }
  QString dump;
  for (int i = 0; i < kInfoValues; ++i) {
    dump += FormatThreeDigits(answer[static_cast<size_t>(i)]) + QLatin1Char(' ');
    if ((i + 1) % kValuesPerLine == 0) dump += QStringLiteral("\r\n");
  }
  LogLine(dump);
}
