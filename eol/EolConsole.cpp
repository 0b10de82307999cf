// The operator primitives the end-of-line test is written in: the log, the
// Y/N questions and space-bar prompts, the fixed waits, the connection with
// retry, the analogue and relay checks, the abort, and STOP EOL. The waits
// process window events, so the keys, STOP EOL and tmrDelay get through.
#include <QCoreApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "ConsoleMemo.h"
#include "EolScript.h"
#include "FrmTestTKVU.h"
#include "TimeStamp.h"

namespace {
constexpr int kDelayTickMs = 100;
constexpr uint16_t kKeyY = 89, kKeyN = 78, kKeySpace = 32;

// Sleeps until the next window event and handles it; nothing spins.
void ProcessNextEvents() {
  QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}
}  // namespace

void TFrmTestTKV::EolTakeKey(int key) {
  if (PageControl1->currentIndex() != kManualEolPageIndex) return;
  // Letters, digits and the space bar are their own key codes; the keys
  // beyond them (arrows, F keys) cannot answer a question.
  EolKey = key >= 0 && key <= 0xFFFF ? static_cast<uint16_t>(key) : 0;
}

void TFrmTestTKV::EolPrint(const QString& text) { memEOL->AddLines(text); }

void TFrmTestTKV::EolAskYesNo(const QString& prefix) {
  EolPrint(QString());
  EolPrint(prefix + QStringLiteral("<<< PREMERE Y SE TEST OK, N SE IL TEST E' FALLITO >>>"));
  EolPrint(QString());
  EolKey = 0;
  while (EolKey != kKeyY && EolKey != kKeyN && !EolStopped) ProcessNextEvents();
  if (EolStopped) return;
  EolPrint(prefix + (EolKey == kKeyY ? QStringLiteral("<<< PASSED >>>")
                                     : QStringLiteral("<<< FAILED >>>")));
  EolPrint(QString());  // the answer ends with a line break of its own
  EolPrint(QString());
}

void TFrmTestTKV::EolWaitSpace(const QString& prompt) {
  EolPrint(QString());
  EolPrint(prompt);
  EolKey = 0;
  while (EolKey != kKeySpace && !EolStopped) ProcessNextEvents();
  if (!EolStopped) EolPrint(QString());
}

void TFrmTestTKV::EolDelay(int ticks) {
  DelayTicks = 0;
  tmrDelay->start(pacing().Interval(kDelayTickMs));
  while (DelayTicks < ticks) ProcessNextEvents();
  tmrDelay->stop();
}

void TFrmTestTKV::tmrDelayTimer(QObject*) { ++DelayTicks; }

void TFrmTestTKV::EolAbort() {
  EolStopped = true;
  EolPrint(QString());
  EolPrint(QStringLiteral("TEST ABORTED: ") + TimeStampText());
  // A run gives START back itself when it has returned.
  if (!EolRunning) btnStartEOL->setEnabled(true);
}

bool TFrmTestTKV::EolConnect() {
  for (;;) {
    LastActionOk = 0;
    Button1Click(nullptr);
    if (LastActionOk) return true;
    Button2Click(nullptr);
    EolPrint(QStringLiteral("!!!!connessione non riuscita"));
    EolPrint(QStringLiteral("!!!!DISCONNETTERE E RICONNETTERE CAVO USB."));
    EolWaitSpace(kEolRetryPrompt);
    if (EolStopped) {
      EolAbort();
      return false;
    }
  }
}

void TFrmTestTKV::EolCheckAd(const QString& label, int channel, int maximum, int minimum) {
  const AdReading reading = ReadAdChannel(channel);
  LastActionOk = reading.ok ? 1 : 0;
  // A failed read has no value: 0 is shown, and the verdict says why.
  const uint16_t value = reading.ok ? reading.value : 0;
  EolPrint(label + QString::number(value));
  if (!reading.ok)
    EolPrint(QStringLiteral("!!!!read AD non riuscito"));
  else if (value < minimum || value > maximum)
    EolPrint(QStringLiteral("!!!!FUORI RANGE"));
  else
    EolPrint(QStringLiteral("      OK"));
}

void TFrmTestTKV::EolCheckRelay(QPushButton* onButton, QPushButton* offButton, bool ask,
                                const QString& text) {
  if (ask) {
    EolPrint(QString());
    EolPrint(text);
    LastActionOk = 0;
    btnAlarm1RelayClick(onButton);
    if (!LastActionOk) EolPrint(QStringLiteral("!!!!set relay non riuscito"));
    EolAskYesNo(QStringLiteral("    "));
  }
  LastActionOk = 0;
  btnAlarm1RelayClick(offButton);
  if (!LastActionOk) EolPrint(QStringLiteral("!!!!reset relay non riuscito"));
}

void TFrmTestTKV::Button37Click(QObject*) {
  EolStopped = true;
  EolPrint(QString());
  EolPrint(QStringLiteral("TEST STOPPED BY USER: ") + TimeStampText());
  // A stopped run may still sit in a fixed wait: START comes back only when
  // it has returned, so that no run can begin inside another.
  if (!EolRunning) btnStartEOL->setEnabled(true);
  Button2Click(nullptr);
}
