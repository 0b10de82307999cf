#pragma once
// The controls of the Admin #2 page (TabSheet2); part of the main window (TFrmTestTKV).
#include <array>

#include "LedFrame.h"

class ConsoleMemo;
class LedIcons;
class LedPanel;
class LedSelector;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTimer;
class RadioGroup;

struct Admin2PageControls {
  // STAND ALONE SENSORS TEST box
  QGroupBox* grpSensors;
  QPushButton* btnPollSensor1;
  QPushButton* btnTestSensor1;
  ConsoleMemo* memSensor1Info;
  QPushButton* btnPollSensor2;
  QPushButton* btnTestSensor2;
  ConsoleMemo* memSensor2Info;
  QCheckBox* cboAutoPoll;  // "Auto poll every:"
  QLineEdit* edtAutoPoll;  // ms
  QTimer* tmrAutoPoll;
  // ADS box: the analogue monitor
  QGroupBox* grpADs;
  RadioGroup* rgAD;  // item index = analogue channel 0..8
  QLineEdit* edtADMeasInt;  // ms
  QCheckBox* cboAD;         // GO!
  QPushButton* btnClearADmemo;
  ConsoleMemo* memAD;
  QTimer* tmrAD;
  // SHIFT REGISTER LEDS box: the selectors over the drawn front panel
  QGroupBox* grpLeds;
  LedIcons* ImageList1;  // plain style
  LedIcons* ImageList2;  // alternative style
  LedPanel* imgFrontPanel;
  std::array<LedSelector*, kLedCount> cbLed;  // objects cbLed0..cbLed44
  QPushButton* btnClearSRLED;
  QPushButton* btnUpdateSRLED;
  QPushButton* btnNormalSRLED;
  QPushButton* btnAllG;  // Tag 1: all green
  QPushButton* Button29;  // Tag 2: all red
  QPushButton* Button30;  // Tag 3: all yellow
};
