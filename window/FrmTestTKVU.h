#pragma once
#include <QWidget>
#include <memory>

#include "CommonParamsPageControls.h"
#include "Dialogs.h"
#include "EepromPageControls.h"
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
                    public VariantsParamsPageControls {
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
  // Ctrl+Shift+E: the window grows to show the engineering pages below the
  // field user's area, and shrinks back.
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
  void LogLine(const QString& text);
  void StateLine(const QString& text);
  void StateFlagLine(const QString& text, int code);
  void ClearConsole();
  void ClearStatePanel();
  void ReportLastError();
  bool RequireConnection();

  // --- engineering pages (FrmTestTKVU.cpp) ---
  QTabWidget* PageControl1;

  // --- Management page (pages/config/ManagementPage.cpp); controls in ManagementPageControls.h ---
  void cboStateClick(QObject* Sender);
  void tmrStateTimer(QObject* Sender);

  // --- EEPROM page (pages/config/EepromPage.cpp) ---

  // --- parameter transfer, Common and Variants parameters pages
  // (pages/config/ParameterTransfer.cpp, CommonParamsPage.cpp, VariantsParamsPage.cpp) ---

  // --- SET TREND LOG (reports/TrendLog.cpp) ---

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
  void BuildEepromPage(QWidget* page);
  void BuildCommonParamsPage(QWidget* page);
  void BuildVariantsParamsPage(QWidget* page);
  void ShowConnectionState(bool connected);

  // Connects a control's or a timer's signal to a handler through the guard.
  template <class Control, class Signal>
  void Wire(Control* control, Signal signal, void (TFrmTestTKV::*handler)(QObject*)) {
    connect(control, signal, this, [this, control, handler] {
      RunGuarded(*dialogs_, [&] { (this->*handler)(control); });
    });
  }

  std::unique_ptr<Dialogs> dialogs_;
  Pacing pacing_;
  QLabel* statusText_;
  ComPortsDialog* comPorts_ = nullptr;
  bool engineeringShown_ = false;
};
