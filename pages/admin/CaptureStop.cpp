// ABORT and the capture stop timer tmr30: both end a flow log capture the way
// the user does, by unticking cboFlowLog and running its click handler.
#include <QCheckBox>
#include <QPushButton>
#include <QTimer>

#include "FrmTestTKVU.h"
#include "Tag.h"

namespace {
constexpr int kCaptureStopMs = 30000;
}  // namespace

void TFrmTestTKV::BuildCaptureStop() {
  tmr30 = new QTimer(this);
  tmr30->setObjectName(QStringLiteral("tmr30"));
  Wire(tmr30, &QTimer::timeout, &TFrmTestTKV::tmr30Timer);
  Wire(btnabort, &QPushButton::clicked, &TFrmTestTKV::btnabortClick);
}

// The diagnostic run sees the request at its next abort check.
void TFrmTestTKV::btnabortClick(QObject*) {
  btnabort->setEnabled(false);
  SetTag(btnabort, 1);
  cboFlowLog->setChecked(false);
  cboFlowLogClick(cboFlowLog);
  tmr30->stop();
  LogLine(QStringLiteral(" "));
  LogLine(QStringLiteral(" "));
  LogLine(QStringLiteral("ABORTED"));
}

// It stays enabled: a capture started by hand later is ended at the next tick as well.
void TFrmTestTKV::tmr30Timer(QObject*) {
  cboFlowLog->setChecked(false);
  cboFlowLogClick(cboFlowLog);
}

void TFrmTestTKV::EnableCaptureStopTimer() {
  if (!tmr30->isActive()) tmr30->start(pacing().Interval(kCaptureStopMs));
}
