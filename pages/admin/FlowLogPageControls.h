#pragma once
// The controls of the Admin #3 page (TabSheet6): the flow log capture; part of the main window (TFrmTestTKV).
class ConsoleMemo;
class PaintBox;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class RadioGroup;

struct FlowLogPageControls {
  QCheckBox* cboFlowLog;  // "Capture Log": checked while the capture runs
  QLabel* lblLogRate;
  QLineEdit* edtFlowLogRate;  // capture interval in ms
  QLabel* lblIncSpeed;
  QLineEdit* edtFlowLogIncSpeed;  // capture ticks per speed step; its Tag is the step counter
  QLabel* lblFan1Speed;
  QLineEdit* edtFlowLogFan1;  // fan speeds sent with every request
  QLabel* lblFan2Speed;
  QLineEdit* edtFlowLogFan2;
  RadioGroup* rgFlowLog;  // the channel whose records feed the graph
  QPushButton* btnClearFlowLog;  // CLEAR
  QPushButton* Button27;         // SAVE FILES
  // Column headings above the record lists of channel 1 and 2.
  QPlainTextEdit* memShowLogCol1;
  QPlainTextEdit* memShowLogCol2;
  ConsoleMemo* memFlowLog1;
  ConsoleMemo* memFlowLog2;
  QFrame* pnlShowFlowLog;  // white panel of the small graph
  PaintBox* pb;
  QTimer* tmrFlowLog;  // the capture tick
};
