// The flow tests of a full diagnostic: a flow log capture at the lowest fan
// speed, then one capture for each of four ultrasonic pulse settings written
// into the detector's RAM, each ended by the capture stop timer.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <utility>

#include "ConsoleMemo.h"
#include "Convert.h"
#include "DiagnosticRun.h"
#include "TimeStamp.h"
#include "FrmTestTKVU.h"

namespace diag {

namespace {
constexpr int kPulseAddress = 16726357;                    // FF3955, the pulse setting
constexpr int kDerivedAddresses[] = {16725944, 16725945};  // FF37B8, FF37B9
constexpr std::array<int, kPulseSettings> kPulses = {1, 2, 4, 6};

// The two values the detector derives from a pulse setting.
int DerivedFromPulse(int pulse) { return (pulse % 16) * 5 + 10; }

void StartCapture(TFrmTestTKV& f) {
  {
    const QSignalBlocker quiet(f.cboFlowLog);
    f.cboFlowLog->setChecked(true);
  }
  f.cboFlowLogClick(f.cboFlowLog);
}
}  // namespace

// The capture ends by itself (fans past their top speed, or tmr30), unticking
// cboFlowLog; the run looks every 5 s.
void DiagnosticRun::RunCapture() {
  while (f_.cboFlowLog->isChecked()) {
    TimestampLine();
    Line(QStringLiteral("monitoring flow..."));
    LetEventsThrough();
    for (int waited = 0; waited < kCaptureWaitMs; waited += kCaptureStepMs) {
      PumpedWait(kCaptureStepMs);
      CheckAbort();
    }
  }
}

// Each list gets its column headings on top, and both go to the console.
void DiagnosticRun::AppendCaptureLists() {
  const std::pair<ConsoleMemo*, QPlainTextEdit*> lists[] = {{f_.memFlowLog1, f_.memShowLogCol1},
                                                            {f_.memFlowLog2, f_.memShowLogCol2}};
  for (const auto& [list, headings] : lists) {
    const QStringList lines = list->Lines();
    list->ClearLines();
    list->AddLines(headings->toPlainText());
    for (const QString& line : lines) list->AddLines(line);  // an empty last line is kept
  }
  Banner(">>>--ULTRA1");
  CopyMemo(f_.memFlowLog1);
  Banner(">>>--ULTRA2");
  CopyMemo(f_.memFlowLog2);
  Banner("<<<--ULTRA");
  Blank();
}

void DiagnosticRun::Ultra() {
  Banner(">>>--ULTRA");
  TimestampLine();
  f_.btnClearFlowLogClick(nullptr);
  f_.edtFlowLogFan1->setText(QStringLiteral("1"));
  f_.edtFlowLogFan2->setText(QStringLiteral("1"));
  StartCapture(f_);
  RunCapture();
  f_.cboFlowLogClick(f_.cboFlowLog);
  AppendCaptureLists();
}

void DiagnosticRun::PulseVariation() {
  const auto setRam = [this](int address, const QString& value) {
    f_.edtReadRAM->setText(QString::number(address));
    f_.edtRamValue->setText(value);
    f_.btnSetRamClick(nullptr);
  };
  const auto ramLine = [this] {
    Line(f_.edtReadRAM->text() + QStringLiteral("<--") + f_.edtRamValue->text());
  };

  Banner(">>>--ULTRA PULSES VARIATION ", 73);
  TimestampLine();
  f_.btnClearFlowLogClick(nullptr);
  f_.edtFlowLogFan1->setText(QStringLiteral("5"));
  f_.edtFlowLogFan2->setText(QStringLiteral("5"));
  f_.edtFlowLogIncSpeed->setText(QStringLiteral("0"));
  f_.edtReadRAM->setText(QString::number(kPulseAddress));
  f_.Button43Click(nullptr);
  const QString savedPulseValue = f_.edtRamValue->text();

  for (int k = 0; k < kPulseSettings; ++k) {
    const int pulse = kPulses[static_cast<size_t>(k)];
    for (ConsoleMemo* list : {f_.memFlowLog1, f_.memFlowLog2}) {
      list->AddLines(QString());
      // The label counts 1 to 4; it is not the setting.
      list->AddLines(QString::number(k + 1) + QStringLiteral(" pulses"));
      list->AddLines(QString());
    }
    f_.btnRefreshE2PClick(nullptr);
    Line(QStringLiteral(" REFRESH RAM EXECUTED ") + TimeStampText());
    setRam(kPulseAddress, QString::number(pulse));
    ramLine();
    Line(QStringLiteral(" RAM READING/WRITING ") + TimeStampText());
    for (int address : kDerivedAddresses) setRam(address, QString::number(DerivedFromPulse(pulse)));
    f_.btnresClick(nullptr);
    Line(QStringLiteral(" RESET EXECUTED ") + TimeStampText());
    StartCapture(f_);
    f_.EnableCaptureStopTimer();  // its first tick ends this capture
    RunCapture();
    CheckAbort();
    f_.cboFlowLogClick(f_.cboFlowLog);
  }

  // The derived values go back to the ones of the saved setting; the
  // setting itself is left as the last capture had it.
  f_.edtReadRAM->setText(QString::number(kPulseAddress));
  f_.Button43Click(nullptr);
  f_.edtRamValue->setText(QString::number(DerivedFromPulse(StrToInt(savedPulseValue))));
  for (int address : kDerivedAddresses) {
    f_.edtReadRAM->setText(QString::number(address));
    ramLine();
    f_.btnSetRamClick(nullptr);
  }
  AppendCaptureLists();
}

void DiagnosticRun::ResetBetweenWaits() {
  PumpedWait(kResetSettleMs);
  f_.btnresClick(nullptr);
  Blank();
  Line(QStringLiteral(" RESET EXECUTED ") + TimeStampText());
  Blank();
  PumpedWait(kResetSettleMs);
}

}  // namespace diag
