#pragma once
// The controls of the Management page; part of the main window (TFrmTestTKV).
class ConsoleMemo;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTimer;

struct ManagementPageControls {
  // INFORMATION box: reports and state polling
  QGroupBox* grpInformation;
  QPushButton* Button4;
  QPushButton* btnState;
  QCheckBox* cboState;
  ConsoleMemo* memState;
  QTimer* tmrState;
  // LOGS box
  QGroupBox* grpLogs;
  QPushButton* btnReadLogs;
  QPushButton* btnReadAllLogs;
  QPushButton* btnExportLog;
  QPushButton* btnExportAllLogs;
  QPushButton* btnClearLog;
  QPushButton* btnShowLog;
  // CONFIGURATION box (its handlers live with the parameter transfer)
  QGroupBox* grpConfiguration;
  QPushButton* btnUpdateCfg;
  QPushButton* btnRestoreCfg;
  QPushButton* btnGetAll;
  // RTC box
  QGroupBox* grpRtc;
  QLabel* lblSetTime;
  QLineEdit* edtSetTime;  // "dd/mm/yy hh:mi:ss"
  QPushButton* Button23;  // WRITE
  QLineEdit* edtGetTime;
  QPushButton* Button24;  // READ
  QPushButton* Button6;   // Clear Operating hours
  // RESTART box
  QGroupBox* grpRestart;
  QPushButton* btnRestartNorm;
  QPushButton* btnRestartMaint;
  // TEST RELAYS box: ON and OFF button of each relay; the relay number is the Tag
  QGroupBox* grpRelays;
  QPushButton* btnAlarm1Relay;
  QPushButton* Button7;
  QPushButton* Button9;
  QPushButton* Button10;
  QPushButton* Button11;
  QPushButton* Button12;
  QPushButton* Button13;
  QPushButton* Button14;
  QPushButton* Button15;
  QPushButton* Button16;
  QPushButton* Button17;
  QPushButton* Button18;
  QPushButton* Button19;
  QPushButton* Button20;
  QPushButton* Button21;
  QPushButton* Button22;
  // TEST FANS box
  QGroupBox* grpFans;
  QSlider* tbFan1;
  QLabel* lblTestFan1;
  QPushButton* btnTestFan1;
  QSlider* tbFan2;
  QLabel* lblTestFan2;
  QPushButton* btnTestFan2;
  // BUTTONS ACTIONS box
  QGroupBox* grpButtonsActions;
  QPushButton* btnTestCh1;
  QPushButton* btnTestCh2;
  QPushButton* Button8;    // Test both ch
  QPushButton* btnSndOff1;
  QPushButton* btnSndOff2;
  QPushButton* Button163;  // Sounders off
  // Extended command 1
  QPushButton* Button36;
};
