// The STAND ALONE SENSORS TEST box: poll and test of each sensor, and the
// automatic poll of both.
#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <array>

#include "ConsoleMemo.h"
#include "FrmTestTKVU.h"
#include "MonitorTimer.h"
#include "SensorPollText.h"
#include "TimeStamp.h"

namespace {
constexpr uint8_t kPollSensor = 25;
constexpr int kPoll = 1, kTest = 2;

}  // namespace

// The sender chooses the sensor (the buttons of sensor 2, else sensor 1) and
// the mode (TEST buttons, else POLL).
void TFrmTestTKV::btnPollSensor1Click(QObject* Sender) {
  const int sensor = Sender == btnPollSensor2 || Sender == btnTestSensor2 ? 2 : 1;
  const int mode = Sender == btnTestSensor1 || Sender == btnTestSensor2 ? kTest : kPoll;
  if (!RequireConnection()) return;
  ConsoleMemo* memo = sensor == 2 ? memSensor2Info : memSensor1Info;
  memo->ClearLines();
  // P3..P5 are always 1, 0, 1.
  const frame::Params params{static_cast<uint8_t>(sensor - 1), static_cast<uint8_t>(mode), 1, 0, 1};
  std::array<uint8_t, frame::kMaxAnswer> answer{};
  if (!Device->SendCommand(kPollSensor, 0, kSensorAnswerSize, params, nullptr, answer.data())) {
    memo->AddLines(QStringLiteral("TKV communication error"));
    ReportLastError();
    return;
  }
  const uint8_t* bytes = answer.data() + 1;
  if (mode == kPoll) memo->AddLines(SensorPollLines(bytes, sensor).join(QLatin1Char('\n')));
  memo->AddLines(QString());
  memo->AddLines(SensorStatusText(bytes[kSensorAnswerSize - 1]));
  LogLine(QStringLiteral("--- %1 --- %2 --- %3")
              .arg(mode == kPoll ? QStringLiteral("POLL") : QStringLiteral("TEST"))
              .arg(sensor)
              .arg(TimeStampText()));
  // One line at a time, so that an empty last line (an unknown status) is kept.
  for (const QString& line : memo->Lines()) LogLine(line);
}

void TFrmTestTKV::cboAutoPollClick(QObject*) {
  if (cboAutoPoll->isChecked())
    StartMonitorTimer(pacing(), cboAutoPoll, tmrAutoPoll, edtAutoPoll);
  else
    tmrAutoPoll->stop();
}

void TFrmTestTKV::tmrAutoPollTimer(QObject*) {
  if (!RequireConnection()) {
    cboAutoPoll->setChecked(false);
    tmrAutoPoll->stop();
    return;
  }
  btnPollSensor1Click(btnPollSensor1);
  btnPollSensor1Click(btnPollSensor2);
}
