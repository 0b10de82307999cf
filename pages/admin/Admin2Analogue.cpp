// The ADS box: the analogue monitor writes one reading of the rgAD channel
// into memAD at every tick.
#include <QCheckBox>
#include <QTimer>

#include "ConsoleMemo.h"
#include "FrmTestTKVU.h"
#include "MonitorTimer.h"
#include "RadioGroup.h"

void TFrmTestTKV::cboADClick(QObject*) {
  if (!cboAD->isChecked()) {
    tmrAD->stop();
    return;
  }
  StartMonitorTimer(pacing(), cboAD, tmrAD, edtADMeasInt);
  memAD->AddLines(QString());
}

// A failed read shows as "ERROR" and the monitor goes on; a lost connection stops it.
void TFrmTestTKV::tmrADTimer(QObject*) {
  if (!RequireConnection()) {
    cboAD->setChecked(false);
    tmrAD->stop();
    return;
  }
  const AdReading reading = ReadAdChannel(rgAD->ItemIndex());
  memAD->AddLines(reading.ok ? QString::number(reading.value) : QStringLiteral("ERROR"));
}

void TFrmTestTKV::btnClearADmemoClick(QObject*) { memAD->ClearLines(); }
