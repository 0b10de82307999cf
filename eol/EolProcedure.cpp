// START EOL: the factory end-of-line test of a new board, run from the start
// step to the end inside this click. The steps live in EolProcedureBoard.cpp
// (1-5), EolProcedureChecks.cpp (6), EolProcedureLoop.cpp (7),
// EolProcedureFlows.cpp (8) and EolProcedureStamp.cpp (9, 10).
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <optional>

#include "ConsoleMemo.h"
#include "Convert.h"
#include "EolScript.h"
#include "FrmTestTKVU.h"
#include "RadioGroup.h"

namespace {
constexpr int kFirstStep = 1, kLastStep = 10, kStampStep = 9;

using Step = bool (*)(EolScript&, EolRun&);
constexpr Step kSteps[] = {EolStep1, EolStep2, EolStep3, EolStep4, EolStep5,
                           EolStep6, EolStep7, EolStep8, EolStep9, EolStep10};

// START is off from the first line of a run until it has returned, however it
// ends: a STOP in the middle of a fixed wait cannot start a second run inside it.
class RunningScope {
 public:
  explicit RunningScope(TFrmTestTKV& form) : f_(form) {
    f_.EolRunning = true;
    f_.EolStopped = false;
    f_.btnStartEOL->setEnabled(false);
  }
  ~RunningScope() {
    f_.EolRunning = false;
    f_.EolStopped = true;
    f_.btnStartEOL->setEnabled(true);
  }
  RunningScope(const RunningScope&) = delete;
  RunningScope& operator=(const RunningScope&) = delete;

 private:
  TFrmTestTKV& f_;
};

// The run's numbers, read before anything is done; a box that holds no whole
// number is told in the log and the run does not start.
bool ReadRunNumbers(TFrmTestTKV& f, int& startStep, EolRun& run) {
  const std::optional<int> step = TryStrToInt(f.edtStartStep->text());
  if (!step) {
    f.EolPrint(QStringLiteral("!!!!START STEP NON VALIDO: ") + f.edtStartStep->text());
    return false;
  }
  startStep = *step;
  if (startStep < kFirstStep || startStep > kStampStep) return true;  // no stamping
  const QLineEdit* boxes[] = {f.edtSer1, f.edtSer2, f.edtSer3, f.edtSer4};
  bool valid = true;
  for (size_t i = 0; i < run.serial.size(); ++i) {
    const std::optional<int> value = TryStrToInt(boxes[i]->text());
    if (value) {
      run.serial[i] = static_cast<uint8_t>(*value & 0xFF);
      continue;
    }
    f.EolPrint(QStringLiteral("!!!!NUMERO DI SERIE %1 NON VALIDO: %2").arg(i + 1).arg(boxes[i]->text()));
    valid = false;
  }
  return valid;
}

void PrintHeader(const EolScript& s, const EolRun& run) {
  s.Print(QStringLiteral("Inizio EOL manuale: ") + EolScript::Now());
  s.Blank();
  if (run.standAlone) s.Print(QStringLiteral("STAND ALONE"));
  if (run.loopBased) s.Print(QStringLiteral("LOOP BASED"));
  s.Print(QStringLiteral("NUMERO DI CANALI: %1").arg(run.channels));
  s.Blank(2);
}
}  // namespace

void TFrmTestTKV::btnStartEOLClick(QObject*) {
  if (EolRunning) return;
  const RunningScope running(*this);
  SetEolTimeFormats();
  memEOL->ClearLines();
  memEOLcomm->clear();

  EolRun run;
  run.standAlone = rgEolType->ItemIndex() == 0;
  run.loopBased = rgEolType->ItemIndex() == 1;
  run.channels = rgEolChannels->ItemIndex() + 1;
  int startStep = 0;
  if (!ReadRunNumbers(*this, startStep, run)) return;

  EolScript script(*this);
  PrintHeader(script, run);
  if (startStep >= kFirstStep && startStep <= kLastStep)
    for (int step = startStep; step <= kLastStep; ++step)
      if (!kSteps[step - kFirstStep](script, run)) return;

  script.Blank(2);
  script.Print(QStringLiteral("FINE TEST: ") + EolScript::Now());
  script.Blank();
}
