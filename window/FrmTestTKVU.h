#pragma once
#include <QWidget>
#include <functional>
#include <memory>

#include "Admin1PageControls.h"
#include "Admin2PageControls.h"
#include "CommonParamsPageControls.h"
#include "Dialogs.h"
#include "EepromPageControls.h"
#include "FlowGraphPageControls.h"
#include "FlowLogPageControls.h"
#include "ManualEolPageControls.h"
#include "ManagementPageControls.h"
#include "VariantsParamsPageControls.h"
#include "Guard.h"
#include "Pacing.h"
#include "TKV.h"

class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTimer;
class ComPortsDialog;
class ConsoleMemo;
class RunProgress;

// The program's one window. Handlers are named control + event and take the
// control that triggered them, or nullptr when another handler runs them.
// Member definitions live with their page: window/ for the visible area and
// the console, reports/ for the reports, pages/config/ for the configuration
// pages. Each engineering page's controls are declared in its own
// <Page>Controls.h, which the form is made of; its handlers are declared
// below in one block per page, named after the page's file.
class TFrmTestTKV : public QWidget,
                    public ManagementPageControls,
                    public EepromPageControls,
                    public CommonParamsPageControls,
                    public VariantsParamsPageControls,
                    public Admin1PageControls,
                    public Admin2PageControls,
                    public FlowLogPageControls,
                    public FlowGraphPageControls,
                    public ManualEolPageControls {
  Q_OBJECT
 public:
  // Without dialogs the toolkit's own boxes are used.
  explicit TFrmTestTKV(std::unique_ptr<Dialogs> dialogs = nullptr, QWidget* parent = nullptr);
  ~TFrmTestTKV() override;

  Dialogs& dialogs() { return *dialogs_; }
  Pacing& pacing() { return pacing_; }

  // --- window state (FrmTestTKVU.cpp) ---
  std::unique_ptr<TKV> Device;  // none while disconnected
  int LastActionOk = 0;         // set to 1 by an action whose device exchange succeeded
  void FormCreate();
  // Key preview: every key pressed anywhere in the window passes here first.
  void FormKeyDown(QKeyEvent* Key);
  // Ctrl+Shift+E: the window grows at its top-left corner to show the
  // engineering pages below the field user's area (moved just enough to stay
  // on the screen), and shrinks back to where it grew from.
  void ShowEngineeringPages(bool shown);
  bool EngineeringPagesShown() const { return engineeringShown_; }

  // --- connection panel (ConnectionPanel.cpp) ---
  QGroupBox* GroupBox27;
  QLabel* Label1;
  QLineEdit* Edit1;
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* btnShowDevMan;
  void Button1Click(QObject* Sender);
  void Button2Click(QObject* Sender);
  void btnShowDevManClick(QObject* Sender);

  // --- field user's commands (handlers arrive with the diagnostic run, log
  // retrieval and window commands) ---
  QPushButton* btndiag;
  QCheckBox* chkfulldiag;
  QCheckBox* chktestalarms;
  QPushButton* btnlog;
  QPushButton* btnres;
  QPushButton* btnabort;
  QLabel* Label112;
  QLineEdit* edtTrendLog;
  QLabel* Label113;
  QPushButton* btnTrendLog;
  QLineEdit* edtRamValue;
  QPushButton* btnSetRam;

  // --- console and status (Console.cpp) ---
  ConsoleMemo* memLog;
  QStatusBar* StatusBar1;
  RunProgress* Progress;  // shown in the status bar while a run or a retrieval goes on
  void LogLine(const QString& text);
  void StateLine(const QString& text);
  void StateFlagLine(const QString& text, int code);
  void ClearConsole();
  void ClearStatePanel();
  void ReportLastError();
  bool RequireConnection();
  // The shape of most actions: the connection guard, one TKV operation, then
  // its success line or the error print. True when the operation succeeded.
  bool RunDeviceAction(const std::function<int(TKV&)>& operation, const QString& successLine);

  // --- engineering pages (FrmTestTKVU.cpp) ---
  QTabWidget* PageControl1;

  // --- Management page (pages/config/ManagementPage.cpp); controls in ManagementPageControls.h ---
  void cboStateClick(QObject* Sender);
  void tmrStateTimer(QObject* Sender);
  // (pages/config/ManagementPageActions.cpp)
  void Button23Click(QObject* Sender);  // clock WRITE from edtSetTime
  void Button24Click(QObject* Sender);  // clock READ into edtGetTime
  void Button6Click(QObject* Sender);   // clear operating hours
  void btnRestartNormClick(QObject* Sender);
  void btnRestartMaintClick(QObject* Sender);
  // Every relay button: relay number from its Tag, OFF when its caption ends in "F".
  void btnAlarm1RelayClick(QObject* Sender);
  // Both fan buttons: btnTestFan2 tests fan 2, anything else fan 1.
  void btnTestFan1Click(QObject* Sender);
  void tbFan1Change(QObject* Sender);
  // Channel tests and sounders off: without their own one- or two-channel
  // button, both channels.
  void btnTestCh1Click(QObject* Sender);
  void btnSndOff1Click(QObject* Sender);
  void Button36Click(QObject* Sender);  // extended command 1 dump

  // --- EEPROM page (pages/config/EepromPage.cpp) ---
  // Bytes 0..511: read, write (Button28, Button156..158 by Tag; nullptr acts
  // as Tag 0), clear, checksum correction, ".e2p" export and import.
  void btnrseepClick(QObject* Sender);
  void Button28Click(QObject* Sender);
  void Button25Click(QObject* Sender);
  void Button3Click(QObject* Sender);
  void btnExportE2PClick(QObject* Sender);
  void btnImportE2PClick(QObject* Sender);
  void btnRefreshE2PClick(QObject* Sender);
  // The device's backup copy: restores and backup update.
  void Button26Click(QObject* Sender);
  void Button32Click(QObject* Sender);
  void Button33Click(QObject* Sender);
  void Button35Click(QObject* Sender);
  void Button31Click(QObject* Sender);
  void Button34Click(QObject* Sender);
  // The [ONF] grid, bytes 1024..1087.
  void btnReadE2P_logClick(QObject* Sender);
  void btnWriteE2P_logClick(QObject* Sender);
  void btnClearE2P_logClick(QObject* Sender);
  // Service actions on single bytes and the whole EEPROM.
  void Button40Click(QObject* Sender);
  void Button42Click(QObject* Sender);
  void Button45Click(QObject* Sender);
  void Button39Click(QObject* Sender);
  // The value of the first vleE2P row with the key, empty when none; setting
  // one adds a row when the key is missing.
  QString E2PValue(const QString& key) const;
  void SetE2PValue(const QString& key, const QString& value);

  // --- parameter transfer, Common and Variants parameters pages
  // (pages/config/ParameterTransfer.cpp, CommonParamsPage.cpp, VariantsParamsPage.cpp) ---
  // The Management page's CONFIGURATION box, which drives every ParameterButton.
  void BuildConfigurationBox(QWidget* page);
  void btnGetAllClick(QObject* Sender);
  void btnUpdateCfgClick(QObject* Sender);
  void btnRestoreCfgClick(QObject* Sender);
  // A ParameterButton: an invisible "get" button whose Tag chooses the transfer
  // of its parameter, 0 from the held image into the page, 1 back into it.
  struct ParameterButton {
    QPushButton* button;
    void (TFrmTestTKV::*click)(QObject*);
  };
  // Both pages' ParameterButtons in creation order, the order the loops visit them in.
  QList<ParameterButton> ParameterButtons;
  QPushButton* AddParameterButton(QWidget* page, const char* name,
                                  void (TFrmTestTKV::*click)(QObject*));
  void tbFanSp1Change(QObject* Sender);  // both manual fan speed track bars
  // Common parameters page
  void btnPwdClick(QObject* Sender);
  void btnCfgClick(QObject* Sender);
  void btnChEnableClick(QObject* Sender);
  void btnSenEnClick(QObject* Sender);
  void btnDisTimClick(QObject* Sender);
  void btnMaintTimeClick(QObject* Sender);
  void btnTrendLogTimeClick(QObject* Sender);
  void btnMirrEnClick(QObject* Sender);
  void btnSupplClick(QObject* Sender);
  void btnCommChSeClick(QObject* Sender);
  void btnSndCutoffClick(QObject* Sender);
  void btnLtAlarmClick(QObject* Sender);
  void btnAlarmDelayClick(QObject* Sender);
  void btnAuxRelCh2Click(QObject* Sender);
  void btnChLabelClick(QObject* Sender);
  void btnFlowsClick(QObject* Sender);
  void btnFilClick(QObject* Sender);
  void btnFanClick(QObject* Sender);
  void btnLatFauClick(QObject* Sender);
  void btnFauDelClick(QObject* Sender);
  void btnFloFauDelClick(QObject* Sender);
  void btnPowResTimClick(QObject* Sender);
  void btnFanSpClick(QObject* Sender);
  void btnPressureClick(QObject* Sender);
  void btnAuxLtClick(QObject* Sender);
  void btnExtInpClick(QObject* Sender);
  void btnExtEvClick(QObject* Sender);
  void btnSensDisTimeClick(QObject* Sender);
  void btdsenClick(QObject* Sender);
  void btndldateClick(QObject* Sender);
  void btnAuxEvClick(QObject* Sender);
  // Variants parameters page
  void btnAlModeClick(QObject* Sender);
  void btnSeTimeoutClick(QObject* Sender);
  void btnRemOutTimeClick(QObject* Sender);
  void btnWeekDClick(QObject* Sender);
  void btnhdClick(QObject* Sender);
  void btnPrealDelayClick(QObject* Sender);
  void btnCasAlClick(QObject* Sender);
  void btnDayNigClick(QObject* Sender);
  void btnSndacClick(QObject* Sender);
  void btnallevClick(QObject* Sender);
  void btnDayNightClick(QObject* Sender);

  // --- Admin #1 page (pages/admin/Admin1Page.cpp) ---
  // (pages/admin/Admin1Actions.cpp)
  // The analogue read of the Admin pages and the end-of-line checks: channel
  // 0..8 ("SOUNDER1", "SOUNDER2", "PCB_THERMISTOR", "FLOW1_TH", "FLOW2_TH",
  // "FANBACK1", "FANBACK2", "POWER1", "POWER2"). Not ok when not connected
  // (">>Not connected!" is printed) or when the read fails (nothing printed).
  struct AdReading {
    bool ok = false;
    uint16_t value = 0;
  };
  AdReading ReadAdChannel(int channel);
  void btnReadFansADClick(QObject* Sender);
  void btnSetFansDACClick(QObject* Sender);  // and STOP FANS (btnStopFANS)
  // READ ISOLATOR STATE sends 0; EXECUTE ISO COMMAND, and a call without a
  // sender, send the number in edtSub127Cmd. Only the read sets LastActionOk.
  void btnReadIsolatorClick(QObject* Sender);
  void btnIsolatorCmdClick(QObject* Sender);
  void btnSetSALoopClick(QObject* Sender);
  void btnForceLogClick(QObject* Sender);  // Button41 inserts 2230 entries
  void Button43Click(QObject* Sender);     // read RAM at edtReadRAM into edtRamValue
  void Button44Click(QObject* Sender);     // read loop address
  // (pages/admin/Admin1Monitors.cpp) Each box runs its timer exactly while
  // ticked, at the interval the timer holds (50 ms unless a caller sets it).
  void cboButtonsMonClick(QObject* Sender);
  void cboReadInputClick(QObject* Sender);
  void cboReadRemotesClick(QObject* Sender);
  void cboReadSoundersClick(QObject* Sender);
  void cboReadCoverClick(QObject* Sender);
  void tmrButtonsTimer(QObject* Sender);
  void tmrConfInputTimer(QObject* Sender);  // sets LastActionOk on a reading
  void tmrRemotesTimer(QObject* Sender);
  void tmrSoundersTimer(QObject* Sender);
  void tmrCoverTimer(QObject* Sender);      // sets LastActionOk on a reading
  // (pages/admin/Admin1Ultra.cpp)
  void btnReadUltraClick(QObject* Sender);
  void btnUltraClearClick(QObject* Sender);
  void cbUltraContinueClick(QObject* Sender);
  void tmrUltraTimer(QObject* Sender);
  void btnClearMemoUltraClick(QObject* Sender);
  void btnCopyMemoUltraClick(QObject* Sender);
  void btnTestDensityClick(QObject* Sender);  // starts the test, or stops a running one
  void tmrDensityTimer(QObject* Sender);

  // --- Admin #2 page (pages/admin/Admin2Page.cpp) ---
  // (pages/admin/Admin2Sensors.cpp, Admin2Analogue.cpp, Admin2Leds.cpp)
  // POLL and TEST of both sensors: the sender chooses sensor and mode; without
  // one, POLL of sensor 1.
  void btnPollSensor1Click(QObject* Sender);
  void cboAutoPollClick(QObject* Sender);
  void tmrAutoPollTimer(QObject* Sender);
  void cboADClick(QObject* Sender);  // GO!: the analogue monitor of the rgAD channel
  void tmrADTimer(QObject* Sender);
  void btnClearADmemoClick(QObject* Sender);
  // All G, All R, All Y by Tag; nothing is sent until UPDATE.
  void btnAllGClick(QObject* Sender);
  void btnClearSRLEDClick(QObject* Sender);
  void cbLed3DblClick(QObject* Sender);  // any cbLed: toggles its style
  void btnUpdateSRLEDClick(QObject* Sender);
  void btnNormalSRLEDClick(QObject* Sender);

  // --- flow log capture, Admin #3 page, and the flow graph
  // (pages/admin/FlowLogPage.cpp, FlowLogCapture.cpp, FlowGraphPage.cpp, FlowGraphPaint.cpp) ---
  void btnClearFlowLogClick(QObject* Sender);  // CLEAR: lists and graph
  void rgFlowLogClick(QObject* Sender);        // another graph channel clears as CLEAR
  void Button27Click(QObject* Sender);         // SAVE FILES: channel1.txt, channel2.txt
  // Starts the capture when cboFlowLog is ticked and stops it when not; the
  // step counter starts again. Callers tick or untick the box and run this.
  void cboFlowLogClick(QObject* Sender);
  void tmrFlowLogTimer(QObject* Sender);
  // Draws the graph into the paint box that asks, pb or pbFlow2.
  void pbFlow2Paint(QObject* Sender);
  // "Save graph as PNG..." of either paint box's menu: the graph as drawn.
  void mnuSaveGraphClick(QObject* Sender);

  // --- ABORT and the capture stop timer (pages/admin/CaptureStop.cpp) ---
  // AbortRequested is the Tag of btnabort: 1 once ABORT is pressed.
  void btnabortClick(QObject* Sender);
  QTimer* tmr30;  // ends a capture at every tick until ABORT disables it
  void tmr30Timer(QObject* Sender);
  // Enables tmr30; a timer already running keeps its period.
  void EnableCaptureStopTimer();

  // --- window commands: RESET DEVICE, set RAM (reports/WindowCommands.cpp) ---
  void btnresClick(QObject* Sender);
  // Writes edtRamValue at the RAM address typed in Admin #1's edtReadRAM.
  void btnSetRamClick(QObject* Sender);

  // --- end-of-line test, Manual EOL page (eol/ManualEolPage.cpp) ---
  // Controls in ManualEolPageControls.h. The whole test runs inside START's
  // click (eol/EolProcedure*.cpp); its waits process window events, so keys,
  // STOP EOL and the tmrDelay ticks get through.
  void btnStartEOLClick(QObject* Sender);
  // (eol/EolConsole.cpp) STOP EOL; the operator primitives the test is written in.
  void Button37Click(QObject* Sender);
  void tmrDelayTimer(QObject* Sender);
  bool EolStopped = false;  // stopped, aborted or over: every operator wait ends
  uint16_t EolKey = 0;      // the last key taken while the Manual EOL page is selected
  int DelayTicks = 0;       // tmrDelay ticks since the fixed wait began
  bool EolRunning = false;  // a test is inside START's click: START stays disabled
  // FormKeyDown hands every key here; it is taken only while the Manual EOL
  // page is selected, and goes on to the focused control in any case.
  void EolTakeKey(int key);
  void EolPrint(const QString& text);
  void EolAskYesNo(const QString& prefix);
  void EolWaitSpace(const QString& prompt);
  void EolDelay(int ticks);
  void EolAbort();
  bool EolConnect();  // false: stopped while retrying, and already aborted
  void EolCheckAd(const QString& label, int channel, int maximum, int minimum);
  void EolCheckRelay(QPushButton* onButton, QPushButton* offButton, bool ask, const QString& text);
  // (eol/EolLogFile.cpp) SAVE LOG: the log and the "Commenti:" block to a file.
  void Button38Click(QObject* Sender);

  // --- diagnostic run, EXECUTE DIAGNOSTIC (reports/DiagnosticRun.cpp) ---
  // The field diagnostic: every section on the console, saved as
  // VOREN_XR_DIAG_<stamp>.LOG in the current folder. FULL DIAGNOSTIC and TEST
  // ALARMS widen it; ABORT ends it without a report.
  void btndiagClick(QObject* Sender);

  // --- log retrieval, RETRIEVE LOG (reports/LogRetrieval.cpp) ---
  // Clock, identity, state and the whole event log on the console, saved as
  // VOREN_XR_LOG_<stamp>.LOG in the current folder.
  void btnlogClick(QObject* Sender);

  // The report file the last diagnostic run or log retrieval saved; empty when
  // it saved none (aborted, failed, or none has run yet).
  QString SavedReportFile;
  // Saves the console as prefix + stamp + ".LOG" and says savedText and the
  // name in a plain box, or shows the error box (reports/ReportFile.cpp).
  bool SaveConsoleReport(const QString& prefix, const QString& savedText);

  // --- SET TREND LOG (reports/TrendLog.cpp) ---
  // Without a sender (after Connect) it only shows byte 293 in edtTrendLog.
  void btnTrendLogClick(QObject* Sender);

  // --- sensor status texts (reports/SensorTexts.cpp) ---
  // Asks the connected device for its variant on every call.
  QString SensorStatusText(int value);

  // --- state report, "Get State" (reports/StateReport.cpp) ---
  void btnStateClick(QObject* Sender);

  // --- information report, "Information" (reports/InfoReport.cpp) ---
  void Button4Click(QObject* Sender);

  // --- event log table (reports/LogTable.cpp) ---
  void btnShowLogClick(QObject* Sender);

  // --- LOGS box: read, export, clear (reports/LogActions.cpp) ---
  QString LogExportFileName;  // the file chosen in the export dialog
  void btnReadLogsClick(QObject* Sender);
  void btnExportLogClick(QObject* Sender);
  void btnClearLogClick(QObject* Sender);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildVisibleArea();
  void BuildConnectionPanel();
  void BuildFieldCommands();
  void BuildPages();
  void BuildManagementPage(QWidget* page);
  void BuildManagementActions(QWidget* page);
  void BuildEepromPage(QWidget* page);
  void BuildCommonParamsPage(QWidget* page);
  void BuildVariantsParamsPage(QWidget* page);
  void BuildAdmin1Page(QWidget* page);
  void BuildAdmin2Page(QWidget* page);
  void BuildFlowLogPage(QWidget* page);
  void BuildFlowGraphPage(QWidget* page);
  void BuildManualEolPage(QWidget* page);
  void BuildCaptureStop();
  void ShowConnectionState(bool connected);
  // The status bar (window/LinkStatus.cpp), from Device as it is now: "Disconnected",
  // "Connected" with the port and the detector's identity, or "Connection lost" with the port.
  void ShowLinkStatus();

  // Connects a control's or a timer's signal to a handler through the guard.
  template <class Control, class Signal>
  void Wire(Control* control, Signal signal, void (TFrmTestTKV::*handler)(QObject*)) {
    connect(control, signal, this, [this, control, handler] {
      RunGuarded(*dialogs_, [&] { (this->*handler)(control); });
      ShowLinkStatus();  // any click or tick may have lost the link or found it again
    });
  }

  std::unique_ptr<Dialogs> dialogs_;
  Pacing pacing_;
  QLabel* statusText_;
  QLabel* statusDetail_;  // the port, and the detector's identity while connected
  ComPortsDialog* comPorts_ = nullptr;
  bool engineeringShown_ = false;
  QPoint grownFrom_, grownAt_;  // the frame's corner before and after Ctrl+Shift+E grew it
};
