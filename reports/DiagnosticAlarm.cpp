// The alarm test of a diagnostic run with TEST ALARMS, and the final reset
// that ends every pass.
#include <QCheckBox>
#include <QTimer>

#include "ConsoleMemo.h"
#include "DiagnosticRun.h"
#include "TimeStamp.h"
#include "FrmTestTKVU.h"

namespace diag {

namespace {
constexpr int kWideBanner = 59;  // the heads inside the alarm test begin "...."
constexpr int kFallbackPrealarmDelay = 10;
}  // namespace

int HeldAlarmTestWaitMs(TKV& device) {
  int32_t prealarm = 0, alarm = 0;
  try {
    if (!device.ParamPrealarmDelay(prealarm, 0)) prealarm = 0;
    if (!device.ParamAlarmDelay(alarm, 0)) alarm = 0;
  } catch (...) {
    prealarm = kFallbackPrealarmDelay;
    alarm = 0;
  }
  return AlarmTestWaitMs(prealarm, alarm);
}

// The channels go into alarm and the run waits out both delays before it
// looks at the state, the analogue inputs and the remote outputs. ABORT is
// seen only once the wait is over.
void DiagnosticRun::TestAlarm() {
  ResetBetweenWaits();
  Guarded([this] {
    Banner(">>>--TEST ALARM");
    TimestampLine();
    f_.btnTestCh1Click(nullptr);
  });
  const int wait = HeldAlarmTestWaitMs(*f_.Device);
  Line(QStringLiteral("Wait: %1 ms").arg(wait));
  int elapsed = 0;
  do {
    Sleep(kAlarmStepMs);
    LetEventsThrough();
    elapsed += kAlarmStepMs;
  } while (elapsed < wait);
  CheckAbort();

  Guarded([this] {
    f_.ClearStatePanel();
    Banner("....>>>--STATE", kWideBanner);
    TimestampLine();
    f_.btnStateClick(nullptr);
    CopyMemo(f_.memState);
    Banner("....<<<--STATE", kWideBanner);
    TimestampLine();
    Blank();
  });
  CheckAbort();
  Analogue("....>>>--AD", "....<<<--AD", kWideBanner);
  CheckAbort();
  // Started before its interval is set; no abort check until it is stopped.
  ClosedSection(
      "....>>>--REMOTE OUT---STATE,PIN", kWideBanner, "....<<<--REMOTE OUT", kWideBanner, [this] {
        Monitor remotes(*this, f_.cboReadRemotes, &TFrmTestTKV::cboReadRemotesClick, f_.tmrRemotes);
        remotes.Start();
        f_.tmrRemotes->setInterval(f_.pacing().Interval(kMonitorIntervalMs));
        MonitorSteps(false);
        LetEventsThrough();
        remotes.Stop();
      });
  CheckAbort();
}

void DiagnosticRun::FinalReset() {
  f_.btnresClick(nullptr);
  for (int i = 0; i < 2; ++i) Blank();
  Line(QStringLiteral(" RESET EXECUTED ") + TimeStampText());
  for (int i = 0; i < 2; ++i) Blank();
}

}  // namespace diag
