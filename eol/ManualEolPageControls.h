#pragma once
// The controls of the Manual EOL page (TabSheet7): the factory end-of-line
// test; part of the main window (TFrmTestTKV).
class ConsoleMemo;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class RadioGroup;

struct ManualEolPageControls {
  QPushButton* btnStartEOL;  // START EOL
  QPushButton* Button37;     // STOP EOL
  QPushButton* Button38;     // SAVE LOG
  RadioGroup* rgEolType;      // " Version ": 0 stand alone, 1 loop based
  RadioGroup* rgEolChannels;  // " #channels ": item index + 1 channels
  QLineEdit* edtStartStep;
  // The four serial-number bytes stamped into the EEPROM.
  QLineEdit* edtSer1;
  QLineEdit* edtSer2;
  QLineEdit* edtSer3;
  QLineEdit* edtSer4;
  ConsoleMemo* memEOL;         // the test log
  QPlainTextEdit* memEOLcomm;  // the operator's comments, appended by SAVE LOG
  QTimer* tmrDelay;            // the 100 ms tick of the fixed waits
};
