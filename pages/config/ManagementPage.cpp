// The Management page: clock, restarts, relay, fan, channel and sounder
// tests, the extended-command dump, its INFORMATION box (reports and state
// polling) and its LOGS box. The handlers of the actions live in
// ManagementPageActions.cpp, those of the reports and log buttons in reports/.
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include "Tag.h"
#include "TrackBar.h"

#include "ConsoleMemo.h"
#include "FrmTestTKVU.h"
#include "Place.h"

namespace {
constexpr int kStatePollMs = 100;
constexpr int kFanTestSteps = 10;

// The relay buttons: ON and OFF button of each relay, in relay order.
using Button = QPushButton* ManagementPageControls::*;
struct RelayPair {
  Button on;
  const char* onName;
  Button off;
  const char* offName;
  const char* relay;  // the caption before " ON" / " OFF"
};
using M = ManagementPageControls;
const RelayPair kRelays[] = {
    {&M::btnAlarm1Relay, "btnAlarm1Relay", &M::Button7, "Button7", "Alarm 1"},
    {&M::Button9, "Button9", &M::Button10, "Button10", "Alarm 2"},
    {&M::Button11, "Button11", &M::Button12, "Button12", "Sounder 1"},
    {&M::Button13, "Button13", &M::Button14, "Button14", "Sounder 2"},
    {&M::Button19, "Button19", &M::Button20, "Button20", "Fault"},
    {&M::Button15, "Button15", &M::Button16, "Button16", "Prealarm 1"},
    {&M::Button17, "Button17", &M::Button18, "Button18", "Prealarm 2"},
    {&M::Button21, "Button21", &M::Button22, "Button22", "Aux Fault"},
};
}  // namespace

void TFrmTestTKV::BuildManagementActions(QWidget* page) {
  grpRtc = Place<QGroupBox>(page, "grpRtc", QRect(196, 4, 200, 112));
  grpRtc->setTitle(QStringLiteral(" RTC "));
  lblSetTime = Place<QLabel>(grpRtc, "lblSetTime", QRect(8, 16, 110, 14), "dd/mm/yy hh:mi:ss");
  edtSetTime = Place<QLineEdit>(grpRtc, "edtSetTime", QRect(8, 32, 120, 22));
  edtSetTime->setText(QStringLiteral("01/01/11 00:00:00"));
  Button23 = Place<QPushButton>(grpRtc, "Button23", QRect(134, 30, 58, 25), "WRITE");
  edtGetTime = Place<QLineEdit>(grpRtc, "edtGetTime", QRect(8, 58, 120, 22));
  Button24 = Place<QPushButton>(grpRtc, "Button24", QRect(134, 56, 58, 25), "READ");
  Button6 = Place<QPushButton>(grpRtc, "Button6", QRect(8, 84, 184, 22), "Clear Operating hours");

  grpRestart = Place<QGroupBox>(page, "grpRestart", QRect(404, 4, 188, 56));
  grpRestart->setTitle(QStringLiteral(" RESTART "));
  btnRestartNorm = Place<QPushButton>(grpRestart, "btnRestartNorm", QRect(8, 22, 84, 25), "Restart Normal");
  btnRestartMaint = Place<QPushButton>(grpRestart, "btnRestartMaint", QRect(96, 22, 84, 25), "Restart Maint.");
  Button36 = Place<QPushButton>(page, "Button36", QRect(404, 66, 188, 25), "Extended cmd 1");

  grpRelays = Place<QGroupBox>(page, "grpRelays", QRect(8, 120, 388, 136));
  grpRelays->setTitle(QStringLiteral(" TEST RELAYS "));
  int relay = 1;
  for (const RelayPair& pair : kRelays) {
    const int column = (relay - 1) / 4 * 192, row = (relay - 1) % 4 * 28;
    const QByteArray on = QByteArray(pair.relay) + " ON", off = QByteArray(pair.relay) + " OFF";
    this->*pair.on = Place<QPushButton>(grpRelays, pair.onName, QRect(8 + column, 20 + row, 88, 25), on.constData());
    this->*pair.off = Place<QPushButton>(grpRelays, pair.offName, QRect(98 + column, 20 + row, 88, 25), off.constData());
    for (QPushButton* button : {this->*pair.on, this->*pair.off}) {
      SetTag(button, relay);
      Wire(button, &QPushButton::clicked, &TFrmTestTKV::btnAlarm1RelayClick);
    }
    ++relay;
  }

  grpFans = Place<QGroupBox>(page, "grpFans", QRect(404, 96, 188, 160));
  grpFans->setTitle(QStringLiteral(" TEST FANS "));
  tbFan1 = PlaceTrackBar(grpFans, "tbFan1", QRect(8, 22, 140, 24), kFanTestSteps);
  lblTestFan1 = Place<QLabel>(grpFans, "lblTestFan1", QRect(154, 26, 26, 16), "0");
  btnTestFan1 = Place<QPushButton>(grpFans, "btnTestFan1", QRect(8, 48, 172, 25), "Test Fan #1");
  tbFan2 = PlaceTrackBar(grpFans, "tbFan2", QRect(8, 88, 140, 24), kFanTestSteps);
  lblTestFan2 = Place<QLabel>(grpFans, "lblTestFan2", QRect(154, 92, 26, 16), "0");
  btnTestFan2 = Place<QPushButton>(grpFans, "btnTestFan2", QRect(8, 114, 172, 25), "Test Fan #2");
  for (QSlider* bar : {tbFan1, tbFan2})
    Wire(bar, &QSlider::valueChanged, &TFrmTestTKV::tbFan1Change);

  grpButtonsActions = Place<QGroupBox>(page, "grpButtonsActions", QRect(316, 262, 276, 90));
  grpButtonsActions->setTitle(QStringLiteral(" BUTTONS ACTIONS "));
  btnTestCh1 = Place<QPushButton>(grpButtonsActions, "btnTestCh1", QRect(8, 22, 84, 25), "Test ch#1");
  btnTestCh2 = Place<QPushButton>(grpButtonsActions, "btnTestCh2", QRect(96, 22, 84, 25), "Test ch#2");
  Button8 = Place<QPushButton>(grpButtonsActions, "Button8", QRect(184, 22, 84, 25), "Test both ch");
  btnSndOff1 = Place<QPushButton>(grpButtonsActions, "btnSndOff1", QRect(8, 54, 84, 25), "Sounder 1 off");
  btnSndOff2 = Place<QPushButton>(grpButtonsActions, "btnSndOff2", QRect(96, 54, 84, 25), "Sounder 2 off");
  Button163 = Place<QPushButton>(grpButtonsActions, "Button163", QRect(184, 54, 84, 25), "Sounders off");

  Wire(Button23, &QPushButton::clicked, &TFrmTestTKV::Button23Click);
  Wire(Button24, &QPushButton::clicked, &TFrmTestTKV::Button24Click);
  Wire(Button6, &QPushButton::clicked, &TFrmTestTKV::Button6Click);
  Wire(btnRestartNorm, &QPushButton::clicked, &TFrmTestTKV::btnRestartNormClick);
  Wire(btnRestartMaint, &QPushButton::clicked, &TFrmTestTKV::btnRestartMaintClick);
  Wire(Button36, &QPushButton::clicked, &TFrmTestTKV::Button36Click);
  for (QPushButton* fan : {btnTestFan1, btnTestFan2})
    Wire(fan, &QPushButton::clicked, &TFrmTestTKV::btnTestFan1Click);
  for (QPushButton* test : {btnTestCh1, btnTestCh2, Button8})
    Wire(test, &QPushButton::clicked, &TFrmTestTKV::btnTestCh1Click);
  for (QPushButton* off : {btnSndOff1, btnSndOff2, Button163})
    Wire(off, &QPushButton::clicked, &TFrmTestTKV::btnSndOff1Click);
}

void TFrmTestTKV::BuildManagementPage(QWidget* page) {
  BuildConfigurationBox(page);
  BuildManagementActions(page);
  grpInformation = Place<QGroupBox>(page, "grpInformation", QRect(600, 4, 404, 356));
  grpInformation->setTitle(QStringLiteral(" INFORMATION "));
  Button4 = Place<QPushButton>(grpInformation, "Button4", QRect(8, 20, 88, 25), "Information");
  btnState = Place<QPushButton>(grpInformation, "btnState", QRect(8, 50, 88, 25), "Get State");
  cboState = Place<QCheckBox>(grpInformation, "cboState", QRect(12, 80, 80, 18), "GO!");
  memState = Place<ConsoleMemo>(grpInformation, "memState", QRect(102, 18, 294, 330));
  memState->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  tmrState = new QTimer(this);
  tmrState->setObjectName(QStringLiteral("tmrState"));

  grpLogs = Place<QGroupBox>(page, "grpLogs", QRect(8, 260, 300, 100));
  grpLogs->setTitle(QStringLiteral(" LOGS "));
  btnReadLogs = Place<QPushButton>(grpLogs, "btnReadLogs", QRect(8, 20, 90, 25), "Read Logs");
  btnReadAllLogs = Place<QPushButton>(grpLogs, "btnReadAllLogs", QRect(8, 50, 90, 25), "Read All Logs");
  btnExportLog = Place<QPushButton>(grpLogs, "btnExportLog", QRect(104, 20, 90, 25), "Export Logs");
  btnExportAllLogs = Place<QPushButton>(grpLogs, "btnExportAllLogs", QRect(104, 50, 90, 25), "Export All Logs");
  btnClearLog = Place<QPushButton>(grpLogs, "btnClearLog", QRect(200, 20, 90, 25), "Clear Logs");
  btnShowLog = Place<QPushButton>(grpLogs, "btnShowLog", QRect(200, 50, 90, 25), "Show last 30 logs");
  btnShowLog->setVisible(false);

  Wire(Button4, &QPushButton::clicked, &TFrmTestTKV::Button4Click);
  Wire(btnState, &QPushButton::clicked, &TFrmTestTKV::btnStateClick);
  // toggled, not clicked: unticking from code stops the polling as well.
  Wire(cboState, &QCheckBox::toggled, &TFrmTestTKV::cboStateClick);
  Wire(tmrState, &QTimer::timeout, &TFrmTestTKV::tmrStateTimer);
  Wire(btnReadLogs, &QPushButton::clicked, &TFrmTestTKV::btnReadLogsClick);
  Wire(btnReadAllLogs, &QPushButton::clicked, &TFrmTestTKV::btnReadLogsClick);
  Wire(btnExportLog, &QPushButton::clicked, &TFrmTestTKV::btnExportLogClick);
  Wire(btnExportAllLogs, &QPushButton::clicked, &TFrmTestTKV::btnExportLogClick);
  Wire(btnClearLog, &QPushButton::clicked, &TFrmTestTKV::btnClearLogClick);
  Wire(btnShowLog, &QPushButton::clicked, &TFrmTestTKV::btnShowLogClick);
}

void TFrmTestTKV::cboStateClick(QObject*) {
  if (cboState->isChecked()) {
    tmrState->start(pacing().Interval(kStatePollMs));
  } else {
    tmrState->stop();
  }
}

// Once the connection is gone the poll says so once and switches itself off.
void TFrmTestTKV::tmrStateTimer(QObject*) {
  if (!RequireConnection()) {
    cboState->setChecked(false);  // which stops the timer
    return;
  }
  btnStateClick(nullptr);
}
