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
};
