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
  if (!RequireConnection()) return;
  if (!Device->ClearOperatingHours()) {
    ReportLastError();
    return;
  }
  LogLine(QStringLiteral(">>Operating hours cleared"));
}

void TFrmTestTKV::btnRestartNormClick(QObject*) {
  if (!RequireConnection()) return;
  if (!Device->RestartDevice(0)) {
    ReportLastError();
    return;
  }
  LogLine(QStringLiteral(">>Restart ASD: normal"));
}

void TFrmTestTKV::btnRestartMaintClick(QObject*) {
  if (!RequireConnection()) return;
  if (!Device->RestartDevice(1)) {
    ReportLastError();
    return;
  }
  LogLine(QStringLiteral(">>Restart ASD: maintenance"));
}

void TFrmTestTKV::btnAlarm1RelayClick(QObject* Sender) {
  if (!RequireConnection()) return;
  auto* button = qobject_cast<QPushButton*>(Sender);
  const bool off = button && button->text().endsWith(QLatin1Char('F'));
  if (!Device->SetRelay(Tag(Sender), off ? 0 : 1)) {
    ReportLastError();
    return;
  }
  LogLine(QStringLiteral(">>Relay: ") + (off ? QStringLiteral("OFF") : QStringLiteral("ON")));
  LastActionOk = 1;
}

void TFrmTestTKV::btnTestFan1Click(QObject* Sender) {
  if (!RequireConnection()) return;
  const bool second = Sender && Sender == btnTestFan2;
  const QSlider* bar = second ? tbFan2 : tbFan1;
  if (!Device->TestFan(second ? 1 : 0, bar->value())) {
    ReportLastError();
    return;
  }
  LogLine(QStringLiteral(">>Test Fan: ") + (second ? QStringLiteral("2") : QStringLiteral("1")));
  LastActionOk = 1;
}

void TFrmTestTKV::tbFan1Change(QObject* Sender) {
  QLabel* label = Sender == tbFan2 ? lblTestFan2 : lblTestFan1;
  label->setText(QString::number(static_cast<QSlider*>(Sender)->value()));
}

void TFrmTestTKV::btnTestCh1Click(QObject* Sender) {
  if (!RequireConnection()) return;
  const int selector = ChannelSelector(Sender, btnTestCh1, btnTestCh2);
  if (!Device->TestChannel(selector)) {
    ReportLastError();
    return;
  }
  LogLine(QStringLiteral(">>Test channel: ") + QLatin1String(ChannelText(selector)));
}

void TFrmTestTKV::btnSndOff1Click(QObject* Sender) {
  if (!RequireConnection()) return;
  const int selector = ChannelSelector(Sender, btnSndOff1, btnSndOff2);
  if (!Device->SoundersOff(selector)) {
    ReportLastError();
    return;
  }
  LogLine(QStringLiteral(">>Sounder off: ") + QLatin1String(ChannelText(selector)));
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
