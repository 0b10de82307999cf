// The Common parameters page: the configuration every variant shares, one
// invisible ParameterButton per accessor (ParameterTransfer.cpp runs them).
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <algorithm>
#include <vector>

#include "Convert.h"
#include "Format.h"
#include "FrmTestTKVU.h"
#include "ParameterPageLayout.h"
#include "ParameterTransfer.h"
#include "TrackBar.h"

namespace {
constexpr int kFanSpeedSteps = 10;

// The ParameterButtons of the page, in creation order.
using C = CommonParamsPageControls;
struct ButtonEntry {
  QPushButton* C::*button;
  const char* name;
  void (TFrmTestTKV::*click)(QObject*);
};
using F = TFrmTestTKV;
const ButtonEntry kButtons[] = {
    {&C::btnPwd, "btnPwd", &F::btnPwdClick},
    {&C::btnCfg, "btnCfg", &F::btnCfgClick},
    {&C::btnChEnable, "btnChEnable", &F::btnChEnableClick},
    {&C::btnSenEn, "btnSenEn", &F::btnSenEnClick},
    {&C::btnDisTim, "btnDisTim", &F::btnDisTimClick},
    {&C::btnMaintTime, "btnMaintTime", &F::btnMaintTimeClick},
    {&C::btnTrendLogTime, "btnTrendLogTime", &F::btnTrendLogTimeClick},
    {&C::btnMirrEn, "btnMirrEn", &F::btnMirrEnClick},
    {&C::btnSuppl, "btnSuppl", &F::btnSupplClick},
    {&C::btnCommChSe, "btnCommChSe", &F::btnCommChSeClick},
    {&C::btnSndCutoff, "btnSndCutoff", &F::btnSndCutoffClick},
    {&C::btnLtAlarm, "btnLtAlarm", &F::btnLtAlarmClick},
    {&C::btnAlarmDelay, "btnAlarmDelay", &F::btnAlarmDelayClick},
    {&C::btnAuxRelCh2, "btnAuxRelCh2", &F::btnAuxRelCh2Click},
    {&C::btnChLabel, "btnChLabel", &F::btnChLabelClick},
    {&C::btnFlows, "btnFlows", &F::btnFlowsClick},
    {&C::btnFil, "btnFil", &F::btnFilClick},
    {&C::btnFan, "btnFan", &F::btnFanClick},
    {&C::btnLatFau, "btnLatFau", &F::btnLatFauClick},
    {&C::btnFauDel, "btnFauDel", &F::btnFauDelClick},
    {&C::btnFloFauDel, "btnFloFauDel", &F::btnFloFauDelClick},
    {&C::btnPowResTim, "btnPowResTim", &F::btnPowResTimClick},
    {&C::btnFanSp, "btnFanSp", &F::btnFanSpClick},
    {&C::btnPressure, "btnPressure", &F::btnPressureClick},
    {&C::btnAuxLt, "btnAuxLt", &F::btnAuxLtClick},
    {&C::btnExtInp, "btnExtInp", &F::btnExtInpClick},
    {&C::btnExtEv, "btnExtEv", &F::btnExtEvClick},
    {&C::btnSensDisTime, "btnSensDisTime", &F::btnSensDisTimeClick},
    {&C::btdsen, "btdsen", &F::btdsenClick},
    {&C::btndldate, "btndldate", &F::btndldateClick},
    {&C::btnAuxEv, "btnAuxEv", &F::btnAuxEvClick},
};
}  // namespace

void TFrmTestTKV::BuildCommonParamsPage(QWidget* page) {
  constexpr int kEditX = 130, kEditWidth = 132;  // the edit column of GENERAL
  grpGeneral = Box(page, "grpGeneral", QRect(4, 4, 266, 298), " GENERAL ");
  cbCh1Enabled = Place<QCheckBox>(grpGeneral, "cbCh1Enabled", QRect(8, 20, 124, 18), "Channel 1 enabled");
  cbCh2Enabled = Place<QCheckBox>(grpGeneral, "cbCh2Enabled", QRect(138, 20, 124, 18), "Channel 2 enabled");
  cbSe1Enabled = Place<QCheckBox>(grpGeneral, "cbSe1Enabled", QRect(8, 40, 124, 18), "Sensor 1 enabled");
  cbSe2Enabled = Place<QCheckBox>(grpGeneral, "cbSe2Enabled", QRect(138, 40, 124, 18), "Sensor 2 enabled");
  cbMirrEn = Place<QCheckBox>(grpGeneral, "cbMirrEn", QRect(8, 60, 246, 18), "Mirroring LEDs enabled");
  edtPwd = LabelledEdit(grpGeneral, "edtPwd", "password", 8, 84, kEditX, kEditWidth);
  edtCfg = WithHint(LabelledEdit(grpGeneral, "edtCfg", "configuration", 8, 110, kEditX, kEditWidth),
                    "CID|DD/MM/YY HH:MI:SS");
  edtDisTime = LabelledEdit(grpGeneral, "edtDisTime", "disable time (min)", 8, 136, kEditX, kEditWidth);
  edtMaintTime = LabelledEdit(grpGeneral, "edtMaintTime", "maint timeout (min)", 8, 162, kEditX, kEditWidth);
  edtTrendLogTime = LabelledEdit(grpGeneral, "edtTrendLogTime", "trend log time (min)", 8, 188, kEditX, kEditWidth);
  edtPressure = LabelledEdit(grpGeneral, "edtPressure", "Pressure(Pa)", 8, 214, kEditX, kEditWidth);
  edtCh1Label = LabelledEdit(grpGeneral, "edtCh1Label", "label ch1", 8, 240, kEditX, kEditWidth);
  edtCh2Label = LabelledEdit(grpGeneral, "edtCh2Label", "label ch2", 8, 266, kEditX, kEditWidth);
  for (QLineEdit* label : {edtCh1Label, edtCh2Label}) label->setMaxLength(kLabelLength);

  grpFaults = Box(page, "grpFaults", QRect(274, 4, 236, 170), " FAULTS ");
  cbLatFau = Place<QCheckBox>(grpFaults, "cbLatFau", QRect(8, 20, 224, 18), "latched fault");
  cbSupp = Place<QCheckBox>(grpFaults, "cbSupp", QRect(8, 40, 224, 18), "Both supplies monitored");
  edtFauDel = LabelledEdit(grpFaults, "edtFauDel", "Fault delay (sec)", 8, 62, 140, 90);
  edtPowResTim = LabelledEdit(grpFaults, "edtPowResTim", "Power rest time(sec)", 8, 88, 140, 90);
  edtFil1 = WithHint(LabelledEdit(grpFaults, "edtFil1", "filter 1 due date", 8, 114, 140, 90), "DD/MM/YY");
  edtFil2 = WithHint(LabelledEdit(grpFaults, "edtFil2", "filter 2 due date", 8, 140, 140, 90), "DD/MM/YY");

  grpAlarms = Box(page, "grpAlarms", QRect(274, 178, 236, 140), " ALARMS ");
  cbLtAlarm1 = Place<QCheckBox>(grpAlarms, "cbLtAlarm1", QRect(8, 20, 224, 18), "Channel 1 latched alarm");
  cbLtAlarm2 = Place<QCheckBox>(grpAlarms, "cbLtAlarm2", QRect(8, 40, 224, 18), "Channel 2 latched alarm");
  edtAlarmDelay = LabelledEdit(grpAlarms, "edtAlarmDelay", "Alarm delay (sec)", 8, 62, 172, 60);
  edtSndCufoff = LabelledEdit(grpAlarms, "edtSndCufoff", "Sounder cutoff time (x5sec)", 8, 88, 172, 60);
  cbCommChSe = Place<QCheckBox>(grpAlarms, "cbCommChSe", QRect(8, 114, 224, 18), "Common chamber alarm: AND");

  grpFanSpeed = Box(page, "grpFanSpeed", QRect(514, 4, 240, 124), " FANS ");
  cbFan1 = Place<QCheckBox>(grpFanSpeed, "cbFan1", QRect(8, 20, 224, 18), "Automatic fan speed ch1");
  cbFan2 = Place<QCheckBox>(grpFanSpeed, "cbFan2", QRect(8, 40, 224, 18), "Automatic fan speed ch2");
  Place<QLabel>(grpFanSpeed, "", QRect(8, 60, 200, 17), "Manual fan speed");
  Place<QLabel>(grpFanSpeed, "", QRect(8, 80, 34, 17), "Ch#1");
  tbFanSp1 = PlaceTrackBar(grpFanSpeed, "tbFanSp1", QRect(44, 78, 150, 20), kFanSpeedSteps);
  lbFanSp1 = Place<QLabel>(grpFanSpeed, "lbFanSp1", QRect(200, 80, 30, 17), "0");
  Place<QLabel>(grpFanSpeed, "", QRect(8, 100, 34, 17), "Ch#2");
  tbFanSp2 = PlaceTrackBar(grpFanSpeed, "tbFanSp2", QRect(44, 98, 150, 20), kFanSpeedSteps);
  lbFanSp2 = Place<QLabel>(grpFanSpeed, "lbFanSp2", QRect(200, 100, 30, 17), "0");
  for (QSlider* bar : {tbFanSp1, tbFanSp2})
    Wire(bar, &QSlider::valueChanged, &TFrmTestTKV::tbFanSp1Change);

  grpFlowLimits = Box(page, "grpFlowLimits", QRect(514, 132, 240, 122), " FLOWS ");
  Place<QLabel>(grpFlowLimits, "", QRect(86, 18, 44, 14), "min");
  Place<QLabel>(grpFlowLimits, "", QRect(136, 18, 44, 14), "max");
  Place<QLabel>(grpFlowLimits, "", QRect(186, 18, 44, 14), "ref");
  edtCh1FlowMin = LabelledEdit(grpFlowLimits, "edtCh1FlowMin", "flows ch1", 8, 34, 84, 44);
  edtCh1FlowMax = Place<QLineEdit>(grpFlowLimits, "edtCh1FlowMax", QRect(134, 34, 44, 22));
  edtCh1FlowRef = Place<QLineEdit>(grpFlowLimits, "edtCh1FlowRef", QRect(184, 34, 44, 22));
  edtCh2FlowMin = LabelledEdit(grpFlowLimits, "edtCh2FlowMin", "flows ch2", 8, 60, 84, 44);
  edtCh2FlowMax = Place<QLineEdit>(grpFlowLimits, "edtCh2FlowMax", QRect(134, 60, 44, 22));
  edtCh2FlowRef = Place<QLineEdit>(grpFlowLimits, "edtCh2FlowRef", QRect(184, 60, 44, 22));
  edtFloFauDel = LabelledEdit(grpFlowLimits, "edtFloFauDel", "Flow fault delay(sec)", 8, 90, 134, 44);

  grpDaylight = Box(page, "grpDaylight", QRect(514, 258, 240, 96), " DAYLIGHT SAVING ");
  rgdsen = PlaceRadioGroup(grpDaylight, "rgdsen", QRect(6, 16, 228, 42), "Daylight saving",
                           {"no", "yes", "auto"}, 3);
  Place<QLabel>(grpDaylight, "", QRect(8, 67, 30, 17), "start");
  edtdldatest = WithHint(Place<QLineEdit>(grpDaylight, "edtdldatest", QRect(40, 64, 78, 22)), "DD/MM HH:MI");
  Place<QLabel>(grpDaylight, "", QRect(126, 67, 24, 17), "end");
  edtdldateend = WithHint(Place<QLineEdit>(grpDaylight, "edtdldateend", QRect(152, 64, 80, 22)), "DD/MM HH:MI");

  grpAuxFault = Box(page, "grpAuxFault", QRect(758, 4, 252, 182), " AUXILIARY FAULT ");
  cbAuxRelCh2 = Place<QCheckBox>(grpAuxFault, "cbAuxRelCh2", QRect(8, 20, 236, 18), "Aux relay used for ch2 fault");
  cbAuxLt = Place<QCheckBox>(grpAuxFault, "cbAuxLt", QRect(8, 40, 236, 18), "Auxiliary fault latched");
  grpAuxEvents = Box(grpAuxFault, "grpAuxEvents", QRect(6, 60, 240, 116), " Events triggering auxiliary fault ");
  cbAuxTemp = Place<QCheckBox>(grpAuxEvents, "cbAuxTemp", QRect(8, 18, 224, 16), "Temperature alert");
  cbAuxExtInp = Place<QCheckBox>(grpAuxEvents, "cbAuxExtInp", QRect(8, 34, 224, 16), "External input not normal");
  cbAuxLowPow = Place<QCheckBox>(grpAuxEvents, "cbAuxLowPow", QRect(8, 50, 224, 16), "Low power alert");
  cbAuxFlowFault = Place<QCheckBox>(grpAuxEvents, "cbAuxFlowFault", QRect(8, 66, 224, 16), "Flow fault");
  cbAuxSens = Place<QCheckBox>(grpAuxEvents, "cbAuxSens", QRect(8, 82, 224, 16), "Sens comm or low chamber fault");
  cbAuxPowRes = Place<QCheckBox>(grpAuxEvents, "cbAuxPowRes", QRect(8, 98, 224, 16), "Power restart alert");

  grpExtInput = Box(page, "grpExtInput", QRect(758, 190, 252, 168), " INPUT ");
  cbExtInp = Place<QCheckBox>(grpExtInput, "cbExtInp", QRect(8, 18, 236, 18), "Ext input normal state: SHORT");
  rgExtInp = PlaceRadioGroup(grpExtInput, "rgExtInp", QRect(6, 38, 240, 98),
                             " Event triggered by Ext input ",
                             {"external input fault", "sounder silencing", "device reset",
                              "ASD disabling", "none"});
  edtSensDisTime = LabelledEdit(grpExtInput, "edtSensDisTime", "disabling time by ext input (min)", 8, 140, 196, 48);

  for (const ButtonEntry& entry : kButtons)
    this->*entry.button = AddParameterButton(page, entry.name, entry.click);
}

void TFrmTestTKV::tbFanSp1Change(QObject* Sender) {
  QLabel* label = Sender == tbFanSp2 ? lbFanSp2 : lbFanSp1;
  label->setText(QString::number(static_cast<QSlider*>(Sender)->value()));
}

void TFrmTestTKV::btnPwdClick(QObject*) {
  int32_t digits[4] = {};
  TransferParameter(
      *this, btnPwd,
      [&] {
        for (int i = 0; i < 4; ++i) digits[i] = FieldAt(edtPwd->text(), i + 1, 1);
      },
      [&](int mode) { return Device->ParamPassword(digits, mode); },
      [&] {
        QString text;
        for (int32_t digit : digits) text += QString::number(digit);
        edtPwd->setText(text);
      });
}

// "CID|DD/MM/YY HH:MI:SS": the CID in characters 1..3, the date and time from 5 on.
void TFrmTestTKV::btnCfgClick(QObject*) {
  int32_t id = 0;
  std::vector<int32_t> t(6);
  TransferParameter(
      *this, btnCfg,
      [&] {
        id = FieldAt(edtCfg->text(), 1, 3);
        t = TwoDigitFields(edtCfg->text(), 6, 5);
      },
      [&](int mode) { return Device->ParamConfigStamp(id, t[0], t[1], t[2], t[3], t[4], t[5], mode); },
      [&] {
        edtCfg->setText(FormatThreeDigits(id) + QLatin1Char('|') +
                        JoinTwoDigits(t, QStringLiteral("// ::")));
      });
}

void TFrmTestTKV::btnChEnableClick(QObject*) {
  TransferFlags(*this, btnChEnable, {cbCh1Enabled, cbCh2Enabled}, CheckCoding::TickedIsOne,
                [&](int32_t* flags, int mode) { return Device->ParamChannelEnable(flags, mode); });
}

void TFrmTestTKV::btnSenEnClick(QObject*) {
  TransferFlags(*this, btnSenEn, {cbSe1Enabled, cbSe2Enabled}, CheckCoding::TickedIsOne,
                [&](int32_t* flags, int mode) { return Device->ParamSensorEnable(flags, mode); });
}

void TFrmTestTKV::btnDisTimClick(QObject*) {
  TransferInteger(*this, btnDisTim, edtDisTime, &TKV::ParamDisableTime);
}

void TFrmTestTKV::btnMaintTimeClick(QObject*) {
  TransferInteger(*this, btnMaintTime, edtMaintTime, &TKV::ParamMaintTimeout);
}

void TFrmTestTKV::btnTrendLogTimeClick(QObject*) {
  TransferInteger(*this, btnTrendLogTime, edtTrendLogTime, &TKV::ParamTrendLogTime);
}

void TFrmTestTKV::btnMirrEnClick(QObject*) {
  TransferFlag(*this, btnMirrEn, cbMirrEn, CheckCoding::TickedIsOne, &TKV::ParamMirrorLeds);
}

void TFrmTestTKV::btnSupplClick(QObject*) {
  TransferFlag(*this, btnSuppl, cbSupp, CheckCoding::TickedIsTwo, &TKV::ParamSupplies);
}

void TFrmTestTKV::btnCommChSeClick(QObject*) {
  TransferFlag(*this, btnCommChSe, cbCommChSe, CheckCoding::TickedIsTwo, &TKV::ParamCommonChamber);
}

void TFrmTestTKV::btnSndCutoffClick(QObject*) {
  TransferInteger(*this, btnSndCutoff, edtSndCufoff, &TKV::ParamSounderCutoff);
}

void TFrmTestTKV::btnLtAlarmClick(QObject*) {
  TransferFlags(*this, btnLtAlarm, {cbLtAlarm1, cbLtAlarm2}, CheckCoding::TickedIsOne,
                [&](int32_t* flags, int mode) { return Device->ParamLatchedAlarm(flags, mode); });
}

void TFrmTestTKV::btnAlarmDelayClick(QObject*) {
  TransferInteger(*this, btnAlarmDelay, edtAlarmDelay, &TKV::ParamAlarmDelay);
}

void TFrmTestTKV::btnAuxRelCh2Click(QObject*) {
  TransferFlag(*this, btnAuxRelCh2, cbAuxRelCh2, CheckCoding::TickedIsOne, &TKV::ParamAuxRelayCh2);
}

// The labels are stored without a terminator, blank-filled to 16 characters.
void TFrmTestTKV::btnChLabelClick(QObject*) {
  int32_t codes[2 * kLabelLength] = {};
  QLineEdit* const labels[2] = {edtCh1Label, edtCh2Label};
  TransferParameter(
      *this, btnChLabel,
      [&] {
        for (int ch = 0; ch < 2; ++ch) {
          const auto label = LabelCodes(labels[ch]->text());
          std::copy(label.begin(), label.end(), codes + ch * kLabelLength);
        }
      },
      [&](int mode) { return Device->ParamChannelLabels(codes, mode); },
      [&] {
        for (int ch = 0; ch < 2; ++ch) labels[ch]->setText(LabelText(codes + ch * kLabelLength));
      });
}

void TFrmTestTKV::btnFlowsClick(QObject*) {
  TransferIntegers(*this, btnFlows,
                   {edtCh1FlowRef, edtCh2FlowRef, edtCh1FlowMin, edtCh2FlowMin, edtCh1FlowMax,
                    edtCh2FlowMax},
                   [&](int32_t* v, int mode) { return Device->ParamFlows(v, v + 2, v + 4, mode); });
}

void TFrmTestTKV::btnFilClick(QObject*) {
  int32_t day[2] = {}, month[2] = {}, year[2] = {};
  QLineEdit* const dates[2] = {edtFil1, edtFil2};
  TransferParameter(
      *this, btnFil,
      [&] {
        for (int ch = 0; ch < 2; ++ch) {
          const std::vector<int32_t> date = TwoDigitFields(dates[ch]->text(), 3);
          day[ch] = date[0];
          month[ch] = date[1];
          year[ch] = date[2];
        }
      },
      [&](int mode) { return Device->ParamFilterDueDates(day, month, year, mode); },
      [&] {
        for (int ch = 0; ch < 2; ++ch)
          dates[ch]->setText(JoinTwoDigits({day[ch], month[ch], year[ch]}, QStringLiteral("//")));
      });
}

void TFrmTestTKV::btnFanClick(QObject*) {
  TransferFlags(*this, btnFan, {cbFan1, cbFan2}, CheckCoding::TickedIsZero,
                [&](int32_t* manual, int mode) { return Device->ParamAutoFanSpeed(manual, mode); });
}

void TFrmTestTKV::btnLatFauClick(QObject*) {
  TransferFlag(*this, btnLatFau, cbLatFau, CheckCoding::TickedIsZero, &TKV::ParamLatchedFault);
}

void TFrmTestTKV::btnFauDelClick(QObject*) {
  TransferInteger(*this, btnFauDel, edtFauDel, &TKV::ParamFaultDelay);
}

void TFrmTestTKV::btnFloFauDelClick(QObject*) {
  TransferInteger(*this, btnFloFauDel, edtFloFauDel, &TKV::ParamFlowFaultDelay);
}

void TFrmTestTKV::btnPowResTimClick(QObject*) {
  TransferInteger(*this, btnPowResTim, edtPowResTim, &TKV::ParamPowerRestartTime);
}

void TFrmTestTKV::btnFanSpClick(QObject*) {
  int32_t speed[2] = {};
  QSlider* const bars[2] = {tbFanSp1, tbFanSp2};
  TransferParameter(
      *this, btnFanSp,
      [&] {
        for (int ch = 0; ch < 2; ++ch) speed[ch] = bars[ch]->value();
      },
      [&](int mode) { return Device->ParamManualFanSpeed(speed, mode); },
      [&] {
        for (int ch = 0; ch < 2; ++ch) bars[ch]->setValue(speed[ch]);
      });
}

void TFrmTestTKV::btnPressureClick(QObject*) {
  std::array<int32_t, 4> bytes{};
  TransferParameter(
      *this, btnPressure, [&] { bytes = PressureBytes(StrToInt(edtPressure->text())); },
      [&](int mode) { return Device->ParamPressure(bytes[0], bytes[1], bytes[2], bytes[3], mode); },
      [&] { edtPressure->setText(QString::number(PressureValue(bytes))); });
}

void TFrmTestTKV::btnAuxLtClick(QObject*) {
  TransferFlag(*this, btnAuxLt, cbAuxLt, CheckCoding::TickedIsZero, &TKV::ParamAuxFaultLatched);
}

void TFrmTestTKV::btnExtInpClick(QObject*) {
  TransferFlag(*this, btnExtInp, cbExtInp, CheckCoding::TickedIsOne, &TKV::ParamExtInputNormalState);
}

void TFrmTestTKV::btnExtEvClick(QObject*) {
  TransferChoice(*this, btnExtEv, rgExtInp, 0, &TKV::ParamExtInputEvent);
}

void TFrmTestTKV::btnSensDisTimeClick(QObject*) {
  TransferInteger(*this, btnSensDisTime, edtSensDisTime, &TKV::ParamSensorDisableTime);
}

void TFrmTestTKV::btdsenClick(QObject*) {
  TransferChoice(*this, btdsen, rgdsen, 0, &TKV::ParamDaylightSaving);
}

// "DD/MM HH:MI" for the start and for the end.
void TFrmTestTKV::btndldateClick(QObject*) {
  std::vector<int32_t> s(4), e(4);
  TransferParameter(
      *this, btndldate,
      [&] {
        s = TwoDigitFields(edtdldatest->text(), 4);
        e = TwoDigitFields(edtdldateend->text(), 4);
      },
      [&](int mode) {
        return Device->ParamDaylightDates(s[0], s[1], s[2], s[3], e[0], e[1], e[2], e[3], mode);
      },
      [&] {
        edtdldatest->setText(JoinTwoDigits(s, QStringLiteral("/ :")));
        edtdldateend->setText(JoinTwoDigits(e, QStringLiteral("/ :")));
      });
}

void TFrmTestTKV::btnAuxEvClick(QObject*) {
  TransferFlags(*this, btnAuxEv,
                {cbAuxTemp, cbAuxExtInp, cbAuxLowPow, cbAuxFlowFault, cbAuxSens, cbAuxPowRes},
                CheckCoding::TickedIsOne, [&](int32_t* f, int mode) {
                  return Device->ParamAuxFaultEvents(f[0], f[1], f[2], f[3], f[4], f[5], mode);
                });
}
