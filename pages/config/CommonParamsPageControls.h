#pragma once
// The controls of the Common parameters page; part of the main window (TFrmTestTKV).
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class RadioGroup;

struct CommonParamsPageControls {
  // GENERAL
  QGroupBox* grpGeneral;
  QCheckBox* cbCh1Enabled;
  QCheckBox* cbCh2Enabled;
  QCheckBox* cbSe1Enabled;
  QCheckBox* cbSe2Enabled;
  QCheckBox* cbMirrEn;
  QLineEdit* edtPwd;
  QLineEdit* edtCfg;  // "CID|DD/MM/YY HH:MI:SS"
  QLineEdit* edtDisTime;
  QLineEdit* edtMaintTime;
  QLineEdit* edtTrendLogTime;
  QLineEdit* edtPressure;
  QLineEdit* edtCh1Label;  // 16 characters at most
  QLineEdit* edtCh2Label;
  // FAULTS
  QGroupBox* grpFaults;
  QCheckBox* cbLatFau;  // ticked: latched (stored 0)
  QLineEdit* edtFauDel;
  QLineEdit* edtPowResTim;
  QCheckBox* cbSupp;
  QLineEdit* edtFil1;  // "DD/MM/YY"
  QLineEdit* edtFil2;
  // ALARMS
  QGroupBox* grpAlarms;
  QCheckBox* cbLtAlarm1;
  QCheckBox* cbLtAlarm2;
  QLineEdit* edtAlarmDelay;
  QLineEdit* edtSndCufoff;
  QCheckBox* cbCommChSe;
  // FANS
  QGroupBox* grpFanSpeed;
  QCheckBox* cbFan1;  // ticked: automatic (stored 0)
  QCheckBox* cbFan2;
  QSlider* tbFanSp1;  // manual speed 0..10, shown in lbFanSp1
  QLabel* lbFanSp1;
  QSlider* tbFanSp2;
  QLabel* lbFanSp2;
  // FLOWS
  QGroupBox* grpFlowLimits;
  QLineEdit* edtCh1FlowMin;
  QLineEdit* edtCh1FlowMax;
  QLineEdit* edtCh1FlowRef;
  QLineEdit* edtCh2FlowMin;
  QLineEdit* edtCh2FlowMax;
  QLineEdit* edtCh2FlowRef;
  QLineEdit* edtFloFauDel;
  // AUXILIARY FAULT
  QGroupBox* grpAuxFault;
  QCheckBox* cbAuxRelCh2;
  QCheckBox* cbAuxLt;  // ticked: latched (stored 0)
  QGroupBox* grpAuxEvents;
  QCheckBox* cbAuxTemp;
  QCheckBox* cbAuxExtInp;
  QCheckBox* cbAuxLowPow;
  QCheckBox* cbAuxFlowFault;
  QCheckBox* cbAuxSens;
  QCheckBox* cbAuxPowRes;
  // INPUT
  QGroupBox* grpExtInput;
  QCheckBox* cbExtInp;
  RadioGroup* rgExtInp;  // items 0..3: the event, 4: none
  QLineEdit* edtSensDisTime;
  // DAYLIGHT SAVING
  QGroupBox* grpDaylight;
  RadioGroup* rgdsen;
  QLineEdit* edtdldatest;  // "DD/MM HH:MI"
  QLineEdit* edtdldateend;

  // The invisible "get" buttons, one per accessor, in creation order.
  QPushButton* btnPwd;
  QPushButton* btnCfg;
  QPushButton* btnChEnable;
  QPushButton* btnSenEn;
  QPushButton* btnDisTim;
  QPushButton* btnMaintTime;
  QPushButton* btnTrendLogTime;
  QPushButton* btnMirrEn;
  QPushButton* btnSuppl;
  QPushButton* btnCommChSe;
  QPushButton* btnSndCutoff;
  QPushButton* btnLtAlarm;
  QPushButton* btnAlarmDelay;
  QPushButton* btnAuxRelCh2;
  QPushButton* btnChLabel;
  QPushButton* btnFlows;
  QPushButton* btnFil;
  QPushButton* btnFan;
  QPushButton* btnLatFau;
  QPushButton* btnFauDel;
  QPushButton* btnFloFauDel;
  QPushButton* btnPowResTim;
  QPushButton* btnFanSp;
  QPushButton* btnPressure;
  QPushButton* btnAuxLt;
  QPushButton* btnExtInp;
  QPushButton* btnExtEv;
  QPushButton* btnSensDisTime;
  QPushButton* btdsen;
  QPushButton* btndldate;
  QPushButton* btnAuxEv;
};
