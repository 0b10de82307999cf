#pragma once
// The controls of the EEPROM page; part of the main window (TFrmTestTKV).
class EepromGrid;
class QCheckBox;
class QLabel;
class QPushButton;

struct EepromPageControls {
  // bytes 0..511
  QLabel* lblE2P;
  EepromGrid* vleE2P;
  QPushButton* btnrseep;
  QPushButton* Button28;   // write, Tag 0: all three ranges
  QPushButton* Button156;  // Tag 1: 0..255
  QPushButton* Button157;  // Tag 2: 256..275
  QPushButton* Button158;  // Tag 3: 276..511
  QPushButton* Button25;
  QPushButton* Button3;
  QPushButton* btnExportE2P;
  QPushButton* btnImportE2P;
  QPushButton* btnRefreshE2P;
  // the device's backup of its areas
  QPushButton* Button26;
  QPushButton* Button32;
  QPushButton* Button33;
  QPushButton* Button35;
  QPushButton* Button31;
  // the [ONF] block, bytes 1024..1087
  QLabel* lblE2P_log;
  EepromGrid* vleE2P_log;
  QPushButton* btnReadE2P_log;
  QPushButton* btnWriteE2P_log;
  QCheckBox* cboChkOnf;
  QPushButton* btnClearE2P_log;
  QPushButton* Button34;
  // service actions
  QPushButton* Button40;
  QPushButton* Button42;
  QPushButton* Button45;
  QPushButton* Button39;
};
