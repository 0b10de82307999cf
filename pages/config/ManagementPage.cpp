// The Management page: its INFORMATION box (reports and state polling) and
// its LOGS box. The handlers of the reports and log buttons live in reports/.
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QPushButton>
#include <QTimer>

#include "ConsoleMemo.h"
#include "FrmTestTKVU.h"
#include "Place.h"

namespace {
constexpr int kStatePollMs = 100;
}

void TFrmTestTKV::BuildManagementPage(QWidget* page) {
  grpInformation = Place<QGroupBox>(page, "grpInformation", QRect(600, 4, 404, 356));
  grpInformation->setTitle(QStringLiteral(" INFORMATION "));
  Button4 = Place<QPushButton>(grpInformation, "Button4", QRect(8, 20, 88, 25), "Information");
  btnState = Place<QPushButton>(grpInformation, "btnState", QRect(8, 50, 88, 25), "Get State");
  cboState = Place<QCheckBox>(grpInformation, "cboState", QRect(12, 80, 80, 18), "GO!");
  memState = Place<ConsoleMemo>(grpInformation, "memState", QRect(102, 18, 294, 330));
  memState->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  tmrState = new QTimer(this);
  tmrState->setObjectName(QStringLiteral("tmrState"));

  grpLogs = Place<QGroupBox>(page, "grpLogs", QRect(8, 260, 300, 100));
  grpLogs->setTitle(QStringLiteral(" LOGS "));
  btnReadLogs = Place<QPushButton>(grpLogs, "btnReadLogs", QRect(8, 20, 90, 25), "Read Logs");
  btnReadAllLogs = Place<QPushButton>(grpLogs, "btnReadAllLogs", QRect(8, 50, 90, 25), "Read All Logs");
  btnExportLog = Place<QPushButton>(grpLogs, "btnExportLog", QRect(104, 20, 90, 25), "Export Logs");
  btnExportAllLogs = Place<QPushButton>(grpLogs, "btnExportAllLogs", QRect(104, 50, 90, 25), "Export All Logs");
  btnClearLog = Place<QPushButton>(grpLogs, "btnClearLog", QRect(200, 20, 90, 25), "Clear Logs");
  btnShowLog = Place<QPushButton>(grpLogs, "btnShowLog", QRect(200, 50, 90, 25), "Show last 30 logs");
  btnShowLog->setVisible(false);

  Wire(Button4, &QPushButton::clicked, &TFrmTestTKV::Button4Click);
  Wire(btnState, &QPushButton::clicked, &TFrmTestTKV::btnStateClick);
  // toggled, not clicked: unticking from code stops the polling as well.
  Wire(cboState, &QCheckBox::toggled, &TFrmTestTKV::cboStateClick);
  Wire(tmrState, &QTimer::timeout, &TFrmTestTKV::tmrStateTimer);
  Wire(btnReadLogs, &QPushButton::clicked, &TFrmTestTKV::btnReadLogsClick);
  Wire(btnReadAllLogs, &QPushButton::clicked, &TFrmTestTKV::btnReadLogsClick);
  Wire(btnExportLog, &QPushButton::clicked, &TFrmTestTKV::btnExportLogClick);
  Wire(btnExportAllLogs, &QPushButton::clicked, &TFrmTestTKV::btnExportLogClick);
  Wire(btnClearLog, &QPushButton::clicked, &TFrmTestTKV::btnClearLogClick);
  Wire(btnShowLog, &QPushButton::clicked, &TFrmTestTKV::btnShowLogClick);
}

void TFrmTestTKV::cboStateClick(QObject*) {
  if (cboState->isChecked()) {
    tmrState->start(pacing().Interval(kStatePollMs));
  } else {
    tmrState->stop();
  }
}

// Once the connection is gone the poll says so once and switches itself off.
void TFrmTestTKV::tmrStateTimer(QObject*) {
  if (!RequireConnection()) {
    cboState->setChecked(false);  // which stops the timer
    return;
  }
  btnStateClick(nullptr);
}
