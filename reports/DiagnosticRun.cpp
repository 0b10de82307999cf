// EXECUTE DIAGNOSTIC: the field diagnostic of the connected detector. The run
// drives the engineering pages' handlers section by section, copies what they
// leave in their controls between banner lines on the console, and saves the
// console as VOREN_XR_DIAG_<stamp>.LOG in the current folder. It runs on the
// window's thread and lets events through while it waits, which is how ABORT
// and the monitor timers get in.
#include "DiagnosticRun.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <array>

#include "ConsoleMemo.h"
#include "Format.h"
#include "FrmTestTKVU.h"
#include "TimeStamp.h"
#include "RunProgress.h"
#include "Tag.h"

namespace diag {

namespace {
// The run's own commands are locked while it goes on and ABORT is offered;
// whichever way it ends, all of them but Connect come back (a device is still
// connected) and ABORT goes.
class ControlLock {
 public:
  explicit ControlLock(TFrmTestTKV& form)
      : form_(form), locked_{form.btndiag, form.Button1,       form.btnres,
                             form.Button2, form.btnlog,        form.chkfulldiag,
                             form.Edit1,   form.chktestalarms, form.btnTrendLog} {
    for (QWidget* control : locked_) control->setEnabled(false);
    form.btnabort->setEnabled(true);
  }
  ~ControlLock() {
    for (QWidget* control : locked_) control->setEnabled(control != form_.Button1);
    form_.btnabort->setEnabled(false);
  }
  ControlLock(const ControlLock&) = delete;
  ControlLock& operator=(const ControlLock&) = delete;

 private:
  TFrmTestTKV& form_;
  std::array<QWidget*, 9> locked_;
};

// The status-bar progress, shown from the start to the last way out.
class ProgressShown {
 public:
  ProgressShown(RunProgress& progress, int total) : progress_(progress) { progress.Begin(total); }
  ~ProgressShown() { progress_.Finish(); }
  ProgressShown(const ProgressShown&) = delete;
  ProgressShown& operator=(const ProgressShown&) = delete;

 private:
  RunProgress& progress_;
};
}  // namespace

DiagnosticRun::DiagnosticRun(TFrmTestTKV& form, const RunOptions& options)
    : f_(form), options_(options) {}

void DiagnosticRun::Run() {
  const ProgressShown progress(*f_.Progress, TotalProgressWeight(options_));
  {
    const ControlLock lock(f_);
    try {
      Passes();
    } catch (const Aborted&) {
      return;  // ABORT has said so on the console; no report
    }
  }
  Complete();
}

void DiagnosticRun::Passes() {
  int done = 0;
  for (const Step& step : Schedule(options_)) {
    if (step.pass != pass_) {
      pass_ = step.pass;
      PassHeader(pass_);
    }
    f_.Progress->Enter(SectionName(step.section, standAlone_), done);
    done += ProgressWeight(step.section, options_);
    RunSection(step.section);
    if (CheckedAfter(step.section)) CheckAbort();
    if (step.section == Section::State) standAlone_ = f_.Device->GetVariant() == 1;
  }
}

void DiagnosticRun::PassHeader(int pass) {
  if (pass == 0) {
    Separator();
    Line(QStringLiteral("VOREN XR Diagnostic v1.3: ") + TimeStampText());
    if (f_.chkfulldiag->isChecked()) Line(QStringLiteral("FULL diagnostic"));
    if (f_.chktestalarms->isChecked()) Line(QStringLiteral("TEST alarms"));
    Separator();
  }
  for (int i = 0; i < 2; ++i) Blank();
  for (int i = 0; i < 3; ++i) Separator();
}

void DiagnosticRun::RunSection(Section section) {
  switch (section) {
    case Section::Time: return Guarded([this] { Time(); });
    case Section::Info: return Guarded([this] { Info(); });
    case Section::State: return Guarded([this] { State(); });
    case Section::Log: return Guarded([this] { Log(); });
    case Section::Eeprom: return Guarded([this] { Eeprom(); });
    case Section::Ext1: return Guarded([this] { Ext1(); });
    case Section::Ext2: return Guarded([this] { Ext2(); });
    case Section::Cover: return Cover();
    case Section::Fans: return Fans();
    case Section::Analogue: return Analogue(">>>--AD", "<<<--AD", kBannerWidth);
    case Section::ExternalInput: return ExternalInput();
    case Section::Buttons: return Buttons();
    case Section::RemoteOutputs: return RemoteOutputs();
    case Section::Sensors: return Guarded([this] { Sensors(); });
    case Section::FlowReset: return Guarded([this] { ResetBetweenWaits(); });
    case Section::Ultra: return Guarded([this] { Ultra(); });
    case Section::PulseVariation: return Guarded([this] { PulseVariation(); });
    case Section::TestAlarm: return TestAlarm();
    case Section::FinalReset: return Guarded([this] { FinalReset(); });
    case Section::Stabilisation: return Stabilise();
  }
}

// The reset before the flow tests is left alone, and the alarm test checks
// on its own; the final reset is checked only between the passes of a full
// run, and the stabilisation not at all: ABORT pressed then is seen after the
// next pass's TIME.
bool DiagnosticRun::CheckedAfter(Section section) const {
  switch (section) {
    case Section::FlowReset:
    case Section::TestAlarm:
    case Section::Stabilisation: return false;
    case Section::FinalReset: return options_.full;
    default: return true;
  }
}

void DiagnosticRun::Stabilise() {
  for (int i = 0; i < kStabiliseRounds; ++i) {
    LetEventsThrough();
    Line(QStringLiteral("waiting stabilizing..."));
    Sleep(kStabiliseSleepMs);
  }
  TimestampLine();
}

void DiagnosticRun::Complete() {
  f_.Progress->Enter(QStringLiteral("END"), f_.Progress->maximum());
  for (int i = 0; i < 3; ++i) Separator();
  Line(QStringLiteral("END VOREN XR Diagnostic: ") + TimeStampText());
  Separator();
  f_.SaveConsoleReport(QStringLiteral("VOREN_XR_DIAG_"), QStringLiteral("DIAGNOSTIC LOG SAVED!"));
}

// --- the console ---

void DiagnosticRun::Line(const QString& text) { f_.LogLine(text); }

void DiagnosticRun::Blank() { Line(QStringLiteral(" ")); }

void DiagnosticRun::Banner(const char* head, int width) {
  Line(QString::fromLatin1(head).leftJustified(width, QLatin1Char('-')));
}

void DiagnosticRun::Separator() { Line(QString(kBannerWidth, QLatin1Char('-'))); }

void DiagnosticRun::TimestampLine() { Line(TimeStampText()); }

void DiagnosticRun::CopyMemo(ConsoleMemo* memo) {
  const QStringList lines = memo->Lines();
  if (lines.isEmpty()) Line(QString());  // an empty memo is one empty line
  for (const QString& line : lines) Line(line);
}

// --- time and ABORT ---

// Whatever has changed is repainted as the pending events are processed.
void DiagnosticRun::LetEventsThrough() { QCoreApplication::processEvents(); }

void DiagnosticRun::Sleep(int ms) { f_.pacing().Sleep(ms); }

void DiagnosticRun::PumpedWait(int ms) { f_.pacing().PumpedWait(ms); }

void DiagnosticRun::CheckAbort() {
  if (Tag(f_.btnabort) != 0) throw Aborted{};
}

void DiagnosticRun::Guarded(const std::function<void()>& body) {
  try {
    body();
  } catch (const Aborted&) {
    throw;
  } catch (...) {
    // The section is abandoned; the handlers it ran have told their own failures.
  }
}

void DiagnosticRun::ClosedSection(const char* head, int headWidth, const char* closing,
                                  int closingWidth, const std::function<void()>& body) {
  Guarded([&] {
    Banner(head, headWidth);
    TimestampLine();
    body();
  });
  Banner(closing, closingWidth);
  TimestampLine();
  Blank();
}

// --- monitors ---

DiagnosticRun::Monitor::Monitor(DiagnosticRun& run, QCheckBox* box, Handler click, QTimer* timer)
    : run_(run), box_(box), click_(click), timer_(timer) {}

DiagnosticRun::Monitor::~Monitor() {
  if (!running_) return;
  try {
    Stop();
  } catch (...) {
    // Unticking only stops a timer; nothing is left to tell.
  }
}

// The box is ticked quietly: the run itself runs the click handler, once.
void DiagnosticRun::Monitor::Start() {
  {
    const QSignalBlocker quiet(box_);
    box_->setChecked(true);
  }
  running_ = true;
  (run_.f_.*click_)(box_);
}

void DiagnosticRun::Monitor::Stop() {
  running_ = false;
  {
    const QSignalBlocker quiet(box_);
    box_->setChecked(false);
  }
  (run_.f_.*click_)(box_);
  timer_->stop();
}

}  // namespace diag

void TFrmTestTKV::btndiagClick(QObject*) {
  SavedReportFile.clear();
  if (!RequireConnection()) return;
  ClearConsole();
  SetTag(btnabort, 0);
  diag::RunOptions options;
  options.full = chkfulldiag->isChecked();
  options.testAlarms = chktestalarms->isChecked();
  options.standAlone = Device->GetVariant() == 1;
  options.alarmWaitMs = diag::HeldAlarmTestWaitMs(*Device);
  diag::DiagnosticRun(*this, options).Run();
}
