#pragma once
// The controls of the Variants parameters page; part of the main window (TFrmTestTKV).
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class RadioGroup;

struct VariantsParamsPageControls {
  // LOOP BASED / QUIB / ZANDT
  QGroupBox* grpLoopBased;
  RadioGroup* rgAlMode;  // item = stored mode - 1
  QLineEdit* edtSeTimeout;
  QLineEdit* edtRemOutTime;
  // STAND ALONE
  QGroupBox* grpStandAlone;
  QCheckBox* cbDayNight;
  QLineEdit* edtDaySt;  // "HH:MI"
  QLineEdit* edtDayEnd;
  QCheckBox* cbDnMon;  // week days in night mode, Monday first
  QCheckBox* cbDnTue;
  QCheckBox* cbDnWed;
  QCheckBox* cbDnThu;
  QCheckBox* cbDnFri;
  QCheckBox* cbDnSat;
  QCheckBox* cbDnSun;
  static constexpr int kHolidays = 20;
  QLineEdit* edthd[kHolidays];  // edthd0 .. edthd19, "DD/MM", four rows of five
  QLineEdit* edtalday1;  // alarm and prealarm levels by day and by night
  QLineEdit* edtalday2;
  QLineEdit* edtpalday1;
  QLineEdit* edtpalday2;
  QLineEdit* edtalnig1;
  QLineEdit* edtalnig2;
  QLineEdit* edtpalnig1;
  QLineEdit* edtpalnig2;
  QLineEdit* edtPrealDelay;
  QCheckBox* cbCasAl;
  QCheckBox* cbSndac;

  // The invisible "get" buttons, one per accessor, in creation order.
  QPushButton* btnAlMode;
  QPushButton* btnSeTimeout;
  QPushButton* btnRemOutTime;
  QPushButton* btnWeekD;
  QPushButton* btnhd;
  QPushButton* btnPrealDelay;
  QPushButton* btnCasAl;
  QPushButton* btnDayNig;
  QPushButton* btnSndac;
  QPushButton* btnallev;
  QPushButton* btnDayNight;
};
