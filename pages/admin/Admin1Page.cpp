// The Admin #1 page: the detector's raw inputs and outputs, one group per
// device command. The handlers live in Admin1Actions.cpp (one-shot commands),
// Admin1Monitors.cpp (the 50 ms monitors) and Admin1Ultra.cpp (ultrasonic
// measurement and the air density test).
#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "ConsoleMemo.h"
#include "FrmTestTKVU.h"
#include "ParameterPageLayout.h"

namespace {
constexpr int kMonitorMs = 50;

QLineEdit* ReadOnly(QLineEdit* edit, const char* text = "") {
  edit->setReadOnly(true);
  edit->setText(QString::fromLatin1(text));
  return edit;
}

QLineEdit* WithText(QLineEdit* edit, const char* text) {
  edit->setText(QString::fromLatin1(text));
  return edit;
}
}  // namespace

void TFrmTestTKV::BuildAdmin1Page(QWidget* page) {
  auto timer = [this](const char* name) {
    auto* t = new QTimer(this);
    t->setObjectName(QString::fromLatin1(name));
    return t;
  };

  grpFansDacAdc = Box(page, "grpFansDacAdc", QRect(4, 4, 190, 220), " FANS DAC ADC ");
  edtFan1DAC = WithText(LabelledEdit(grpFansDacAdc, "edtFan1DAC", "Fan #1 DAC:", 8, 18, 84, 60), "0");
  edtFan2DAC = WithText(LabelledEdit(grpFansDacAdc, "edtFan2DAC", "Fan #2 DAC:", 8, 44, 84, 60), "0");
  btnSetFansDAC = Place<QPushButton>(grpFansDacAdc, "btnSetFansDAC", QRect(8, 72, 176, 25), "SET FANS DAC");
  btnStopFANS = Place<QPushButton>(grpFansDacAdc, "btnStopFANS", QRect(8, 100, 176, 25), "STOP FANS");
  btnReadFansAD = Place<QPushButton>(grpFansDacAdc, "btnReadFansAD", QRect(8, 134, 176, 25), "READ FANS AD");
  edtFan1AD = ReadOnly(LabelledEdit(grpFansDacAdc, "edtFan1AD", "Fan #1 ADC:", 8, 164, 84, 60));
  edtFan2AD = ReadOnly(LabelledEdit(grpFansDacAdc, "edtFan2AD", "Fan #2 ADC:", 8, 190, 84, 60));

  grpForceLog = Box(page, "grpForceLog", QRect(4, 228, 190, 82), " LOG ");
  edtForceLog = WithText(LabelledEdit(grpForceLog, "edtForceLog", "Event:", 8, 18, 50, 50), "0");
  btnForceLog = Place<QPushButton>(grpForceLog, "btnForceLog", QRect(106, 16, 78, 25), "FORCE LOG");
  Button41 = Place<QPushButton>(grpForceLog, "Button41", QRect(8, 48, 176, 25), "FORCE 2230 LOG");

  grpButtons = Box(page, "grpButtons", QRect(586, 120, 190, 112), " BUTTONS ");
  cboButtonsMon = Place<QCheckBox>(grpButtons, "cboButtonsMon", QRect(8, 16, 170, 18), "Read buttons");
  edtTESTpressed = ReadOnly(LabelledEdit(grpButtons, "edtTESTpressed", "TEST (ms) :", 8, 36, 98, 40), "0");
  edtRESETpressed = ReadOnly(LabelledEdit(grpButtons, "edtRESETpressed", "RESET (ms) :", 8, 60, 98, 40), "0");
  edtDISABLEpressed = ReadOnly(LabelledEdit(grpButtons, "edtDISABLEpressed", "DISABLE (ms) :", 8, 84, 98, 40), "0");
  lblTESTms = Place<QLabel>(grpButtons, "lblTESTms", QRect(142, 39, 44, 17), "0");
  lblRESETms = Place<QLabel>(grpButtons, "lblRESETms", QRect(142, 63, 44, 17), "0");
  lblDISABLEms = Place<QLabel>(grpButtons, "lblDISABLEms", QRect(142, 87, 44, 17), "0");
  tmrButtons = timer("tmrButtons");

  grpInput = Box(page, "grpInput", QRect(586, 236, 190, 68), " INPUT ");
  cboReadInput = Place<QCheckBox>(grpInput, "cboReadInput", QRect(8, 16, 176, 18), "Read configurable input");
  edtConfInput = ReadOnly(LabelledEdit(grpInput, "edtConfInput", "State:", 8, 38, 60, 60));
  tmrConfInput = timer("tmrConfInput");

  grpIsolator = Box(page, "grpIsolator", QRect(198, 4, 190, 150), " ISOLATOR ");
  edtIsolatorPinState = ReadOnly(LabelledEdit(grpIsolator, "edtIsolatorPinState", "Isolator PIN state:", 8, 18, 120, 60));
  edtSub127 = ReadOnly(LabelledEdit(grpIsolator, "edtSub127", "Subaddress 127:", 8, 42, 120, 60));
  edtSub127Cmd = WithText(LabelledEdit(grpIsolator, "edtSub127Cmd", "AP CMD 11 value:", 8, 66, 120, 60), "0");
  btnReadIsolator = Place<QPushButton>(grpIsolator, "btnReadIsolator", QRect(8, 92, 176, 25), "READ ISOLATOR STATE");
  btnIsolatorCmd = Place<QPushButton>(grpIsolator, "btnIsolatorCmd", QRect(8, 120, 176, 25), "EXECUTE ISO COMMAND");

  grpSaLoop = Box(page, "grpSaLoop", QRect(198, 158, 190, 104), " STAND ALONE LOOP ");
  rgSetSaLoop = PlaceRadioGroup(grpSaLoop, "rgSetSaLoop", QRect(8, 16, 176, 56), " Loop voltage ",
                                {QStringLiteral("24 V"), QStringLiteral("5 V"), QStringLiteral("0 V"),
                                 QStringLiteral("OFF")},
                                2);
  rgSetSaLoop->SetItemIndex(0);
  btnSetSALoop = Place<QPushButton>(grpSaLoop, "btnSetSALoop", QRect(8, 74, 176, 25), "SET");

  grpRemotes = Box(page, "grpRemotes", QRect(392, 4, 190, 132), " SENSORS REMOTE OUTPUT ");
  cboReadRemotes = Place<QCheckBox>(grpRemotes, "cboReadRemotes", QRect(8, 16, 176, 18), "Read remotes");
  edtRemoteOut1State = ReadOnly(LabelledEdit(grpRemotes, "edtRemoteOut1State", "Remote out 1 state:", 8, 36, 120, 60));
  edtRemoteOut1Pin = ReadOnly(LabelledEdit(grpRemotes, "edtRemoteOut1Pin", "Remote out 1 Pin:", 8, 60, 120, 60));
  edtRemoteOut2State = ReadOnly(LabelledEdit(grpRemotes, "edtRemoteOut2State", "Remote out 2 state:", 8, 84, 120, 60));
  edtRemoteOut2Pin = ReadOnly(LabelledEdit(grpRemotes, "edtRemoteOut2Pin", "Remote out 2 Pin:", 8, 108, 120, 60));
  tmrRemotes = timer("tmrRemotes");

  grpSounders = Box(page, "grpSounders", QRect(392, 140, 190, 132), " SOUNDERS ");
  cboReadSounders = Place<QCheckBox>(grpSounders, "cboReadSounders", QRect(8, 16, 176, 18), "Read sounders");
  edtSounder1State = ReadOnly(LabelledEdit(grpSounders, "edtSounder1State", "Sounder 1 state:", 8, 36, 120, 60));
  edtSounder2State = ReadOnly(LabelledEdit(grpSounders, "edtSounder2State", "Sounder 2 state:", 8, 60, 120, 60));
  edtSounder1AD = ReadOnly(LabelledEdit(grpSounders, "edtSounder1AD", "Sounder 1 AD:", 8, 84, 120, 60));
  edtSounder2AD = ReadOnly(LabelledEdit(grpSounders, "edtSounder2AD", "Sounder 2 AD:", 8, 108, 120, 60));
  tmrSounders = timer("tmrSounders");

  grpReadRam = Box(page, "grpReadRam", QRect(392, 276, 190, 72), " read RAM ");
  edtReadRAM = Place<QLineEdit>(grpReadRam, "edtReadRAM", QRect(8, 18, 176, 22));
  Button43 = Place<QPushButton>(grpReadRam, "Button43", QRect(8, 42, 70, 25), "read RAM");
  Button44 = Place<QPushButton>(grpReadRam, "Button44", QRect(82, 42, 102, 25), "read loop address");

  grpCover = Box(page, "grpCover", QRect(586, 4, 190, 112), " COVER SWITCH ");
  cboReadCover = Place<QCheckBox>(grpCover, "cboReadCover", QRect(8, 16, 176, 18), "Read switch");
  edtCoverOpened = ReadOnly(LabelledEdit(grpCover, "edtCoverOpened", "Open (ms) :", 8, 36, 98, 40), "0");
  edtCoverClosed = ReadOnly(LabelledEdit(grpCover, "edtCoverClosed", "Close (ms) :", 8, 60, 98, 40), "0");
  edtCoverPinState = ReadOnly(LabelledEdit(grpCover, "edtCoverPinState", "Pin state:", 8, 84, 98, 40), "0");
  lblCoverOpened = Place<QLabel>(grpCover, "lblCoverOpened", QRect(142, 39, 44, 17), "0");
  lblCoverClosed = Place<QLabel>(grpCover, "lblCoverClosed", QRect(142, 63, 44, 17), "0");
  tmrCover = timer("tmrCover");

  grpUltra = Box(page, "grpUltra", QRect(780, 4, 226, 344), " ULTRASONIC CIRCUIT ");
  rgUltra = PlaceRadioGroup(grpUltra, "rgUltra", QRect(6, 16, 214, 56), " Way ",
                            {QStringLiteral("1A --> 1B"), QStringLiteral("1B --> 1A"),
                             QStringLiteral("2A --> 2B"), QStringLiteral("2B --> 2A")},
                            2);
  rgUltra->SetItemIndex(0);
  btnReadUltra = Place<QPushButton>(grpUltra, "btnReadUltra", QRect(6, 76, 214, 25), "MEASURE FLOW");
  edtUltraCounter = ReadOnly(LabelledEdit(grpUltra, "edtUltraCounter", "Timer counter:", 6, 104, 96, 60));
  edtUltraUS = ReadOnly(LabelledEdit(grpUltra, "edtUltraUS", "Time (ns):", 6, 128, 96, 60));
  edtMeanSamplesUS = WithText(LabelledEdit(grpUltra, "edtMeanSamplesUS", "Mean samples ", 6, 152, 96, 60), "1");
  edtUltraMin = ReadOnly(Place<QLineEdit>(grpUltra, "edtUltraMin", QRect(6, 176, 68, 22)));
  edtUltraMax = ReadOnly(Place<QLineEdit>(grpUltra, "edtUltraMax", QRect(78, 176, 68, 22)));
  edtUltraMean = ReadOnly(Place<QLineEdit>(grpUltra, "edtUltraMean", QRect(150, 176, 70, 22)));
  edtUltraMin->setToolTip(QStringLiteral("minimum"));
  edtUltraMax->setToolTip(QStringLiteral("maximum"));
  edtUltraMean->setToolTip(QStringLiteral("mean"));
  cbUltraContinue = Place<QCheckBox>(grpUltra, "cbUltraContinue", QRect(6, 204, 42, 18), "GO!");
  edtUltraMeasInt = WithText(LabelledEdit(grpUltra, "edtUltraMeasInt", "Meas. interval (ms):", 48, 202, 168, 52), "10");
  Place<QLabel>(grpUltra, "", QRect(6, 230, 56, 17), "Measures:");
  lblUltraNumMeas = Place<QLabel>(grpUltra, "lblUltraNumMeas", QRect(64, 230, 60, 17), "#0");
  btnUltraClear = Place<QPushButton>(grpUltra, "btnUltraClear", QRect(150, 226, 70, 25), "CLEAR");
  memoUltra = Place<ConsoleMemo>(grpUltra, "memoUltra", QRect(6, 256, 118, 82));
  memoUltra->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  btnClearMemoUltra = Place<QPushButton>(grpUltra, "btnClearMemoUltra", QRect(128, 256, 92, 25), "CLEAR");
  btnCopyMemoUltra = Place<QPushButton>(grpUltra, "btnCopyMemoUltra", QRect(128, 284, 92, 25), "COPY");
  btnTestDensity = Place<QPushButton>(grpUltra, "btnTestDensity", QRect(128, 312, 92, 26), "Test air density");
  tmrUltra = timer("tmrUltra");
  tmrDensity = timer("tmrDensity");

  for (QTimer* monitor : {tmrButtons, tmrConfInput, tmrRemotes, tmrSounders, tmrCover})
    monitor->setInterval(pacing().Interval(kMonitorMs));

  Wire(btnSetFansDAC, &QPushButton::clicked, &TFrmTestTKV::btnSetFansDACClick);
  Wire(btnStopFANS, &QPushButton::clicked, &TFrmTestTKV::btnSetFansDACClick);
  Wire(btnReadFansAD, &QPushButton::clicked, &TFrmTestTKV::btnReadFansADClick);
  Wire(btnReadIsolator, &QPushButton::clicked, &TFrmTestTKV::btnReadIsolatorClick);
  Wire(btnIsolatorCmd, &QPushButton::clicked, &TFrmTestTKV::btnIsolatorCmdClick);
  Wire(btnSetSALoop, &QPushButton::clicked, &TFrmTestTKV::btnSetSALoopClick);
  Wire(btnForceLog, &QPushButton::clicked, &TFrmTestTKV::btnForceLogClick);
  Wire(Button41, &QPushButton::clicked, &TFrmTestTKV::btnForceLogClick);
  Wire(Button43, &QPushButton::clicked, &TFrmTestTKV::Button43Click);
  Wire(Button44, &QPushButton::clicked, &TFrmTestTKV::Button44Click);

  // toggled, not clicked: a box unticked from code stops its monitor as well.
  Wire(cboButtonsMon, &QCheckBox::toggled, &TFrmTestTKV::cboButtonsMonClick);
  Wire(cboReadInput, &QCheckBox::toggled, &TFrmTestTKV::cboReadInputClick);
  Wire(cboReadRemotes, &QCheckBox::toggled, &TFrmTestTKV::cboReadRemotesClick);
  Wire(cboReadSounders, &QCheckBox::toggled, &TFrmTestTKV::cboReadSoundersClick);
  Wire(cboReadCover, &QCheckBox::toggled, &TFrmTestTKV::cboReadCoverClick);
  Wire(tmrButtons, &QTimer::timeout, &TFrmTestTKV::tmrButtonsTimer);
  Wire(tmrConfInput, &QTimer::timeout, &TFrmTestTKV::tmrConfInputTimer);
  Wire(tmrRemotes, &QTimer::timeout, &TFrmTestTKV::tmrRemotesTimer);
  Wire(tmrSounders, &QTimer::timeout, &TFrmTestTKV::tmrSoundersTimer);
  Wire(tmrCover, &QTimer::timeout, &TFrmTestTKV::tmrCoverTimer);

  Wire(btnReadUltra, &QPushButton::clicked, &TFrmTestTKV::btnReadUltraClick);
  Wire(btnUltraClear, &QPushButton::clicked, &TFrmTestTKV::btnUltraClearClick);
  Wire(cbUltraContinue, &QCheckBox::toggled, &TFrmTestTKV::cbUltraContinueClick);
  Wire(tmrUltra, &QTimer::timeout, &TFrmTestTKV::tmrUltraTimer);
  Wire(btnClearMemoUltra, &QPushButton::clicked, &TFrmTestTKV::btnClearMemoUltraClick);
  Wire(btnCopyMemoUltra, &QPushButton::clicked, &TFrmTestTKV::btnCopyMemoUltraClick);
  Wire(btnTestDensity, &QPushButton::clicked, &TFrmTestTKV::btnTestDensityClick);
  Wire(tmrDensity, &QTimer::timeout, &TFrmTestTKV::tmrDensityTimer);
}
