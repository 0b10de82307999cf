#pragma once
// The controls of the Admin #1 page (TabSheet1); part of the main window (TFrmTestTKV).
#include "UltraStats.h"

class ConsoleMemo;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class RadioGroup;

struct Admin1PageControls {
  // FANS DAC ADC
  QGroupBox* grpFansDacAdc;
  QLineEdit* edtFan1DAC;
  QLineEdit* edtFan2DAC;
  QPushButton* btnSetFansDAC;
  QPushButton* btnStopFANS;
  QPushButton* btnReadFansAD;
  QLineEdit* edtFan1AD;
  QLineEdit* edtFan2AD;
  // BUTTONS: the time each is held so far; the labels keep the last whole press
  QGroupBox* grpButtons;
  QCheckBox* cboButtonsMon;
  QLineEdit* edtTESTpressed;
  QLineEdit* edtRESETpressed;
  QLineEdit* edtDISABLEpressed;
  QLabel* lblTESTms;
  QLabel* lblRESETms;
  QLabel* lblDISABLEms;
  QTimer* tmrButtons;
  // INPUT
  QGroupBox* grpInput;
  QCheckBox* cboReadInput;
  QLineEdit* edtConfInput;
  QTimer* tmrConfInput;
  // ISOLATOR
  QGroupBox* grpIsolator;
  QLineEdit* edtIsolatorPinState;
  QLineEdit* edtSub127;
  QLineEdit* edtSub127Cmd;
  QPushButton* btnReadIsolator;
  QPushButton* btnIsolatorCmd;
  // SENSORS REMOTE OUTPUT
  QGroupBox* grpRemotes;
  QCheckBox* cboReadRemotes;
  QLineEdit* edtRemoteOut1State;
  QLineEdit* edtRemoteOut1Pin;
  QLineEdit* edtRemoteOut2State;
  QLineEdit* edtRemoteOut2Pin;
  QTimer* tmrRemotes;
  // SOUNDERS
  QGroupBox* grpSounders;
  QCheckBox* cboReadSounders;
  QLineEdit* edtSounder1State;
  QLineEdit* edtSounder2State;
  QLineEdit* edtSounder1AD;
  QLineEdit* edtSounder2AD;
  QTimer* tmrSounders;
  // COVER SWITCH: open and closed time so far; the labels keep the last whole period
  QGroupBox* grpCover;
  QCheckBox* cboReadCover;
  QLineEdit* edtCoverOpened;
  QLineEdit* edtCoverClosed;
  QLineEdit* edtCoverPinState;
  QLabel* lblCoverOpened;
  QLabel* lblCoverClosed;
  QTimer* tmrCover;
  // ULTRASONIC CIRCUIT: single and continuous measurement, air density test
  QGroupBox* grpUltra;
  RadioGroup* rgUltra;
  QPushButton* btnReadUltra;
  QLineEdit* edtUltraCounter;
  QLineEdit* edtUltraUS;
  QLineEdit* edtMeanSamplesUS;
  QLineEdit* edtUltraMin;
  QLineEdit* edtUltraMax;
  QLineEdit* edtUltraMean;
  QCheckBox* cbUltraContinue;
  QLineEdit* edtUltraMeasInt;
  QLabel* lblUltraNumMeas;
  QPushButton* btnUltraClear;
  ConsoleMemo* memoUltra;
  QPushButton* btnClearMemoUltra;
  QPushButton* btnCopyMemoUltra;
  QPushButton* btnTestDensity;
  QTimer* tmrUltra;
  QTimer* tmrDensity;
  UltraStats Ultra;      // the continuous measurement's statistics
  int DensityTick = 0;   // the air density test's tick counter
  // STAND ALONE LOOP
  QGroupBox* grpSaLoop;
  RadioGroup* rgSetSaLoop;
  QPushButton* btnSetSALoop;
  // LOG
  QGroupBox* grpForceLog;
  QLineEdit* edtForceLog;
  QPushButton* btnForceLog;
  QPushButton* Button41;  // FORCE 2230 LOG
  // read RAM; edtReadRAM is also the address of the main window's "set RAM"
  QGroupBox* grpReadRam;
  QLineEdit* edtReadRAM;
  QPushButton* Button43;  // read RAM
  QPushButton* Button44;  // read loop address
};
