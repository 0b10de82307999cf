// The five monitors of the Admin #1 page: buttons, external input, remote
// outputs, sounders and cover switch. A ticked box runs its timer; each tick
// is one raw read. A failed read shows "ERR" and stops the monitor, and so
// does a lost connection, after the guard's line.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "Admin1RawCommand.h"
#include "Convert.h"
#include "FrmTestTKVU.h"

namespace {
constexpr uint8_t kReadButtons = 14;
constexpr uint8_t kReadRemotes = 15;
constexpr uint8_t kReadInput = 16;
constexpr uint8_t kReadSounders = 17;
constexpr uint8_t kReadCover = 18;
constexpr int kTimeUnitMs = 50;  // the detector counts held times in 50 ms
const QString kErr = QStringLiteral("ERR");

void FollowBox(const QCheckBox* box, QTimer* timer) {
  if (box->isChecked())
    timer->start();  // at the interval the timer holds
  else
    timer->stop();
}

void StopMonitor(QCheckBox* box, QTimer* timer) {
  box->setChecked(false);
  timer->stop();
}

enum class TickRead { Answered, Failed, NotConnected };

// One tick's read. Unless answered, the monitor has stopped.
TickRead MonitorRead(TFrmTestTKV& f, QCheckBox* box, QTimer* timer, uint8_t code, int answerLength,
                     RawAnswer& answer) {
  if (!f.RequireConnection()) {
    StopMonitor(box, timer);
    return TickRead::NotConnected;
  }
  if (SendRaw(*f.Device, code, answerLength, {}, answer)) return TickRead::Answered;
  StopMonitor(box, timer);
  return TickRead::Failed;
}

void ShowErr(std::initializer_list<QLineEdit*> boxes) {
  for (QLineEdit* box : boxes) box->setText(kErr);
}

// A time the detector counts while a button is held (or the cover stays open
// or closed). When it has dropped to 0 the period is over, and its label keeps
// the last time shown.
void ShowHeldTime(uint8_t units, QLineEdit* box, QLabel* lastPeriod) {
  const std::optional<int> shown = TryStrToInt(box->text());
  if (units == 0 && shown && *shown != 0) lastPeriod->setText(box->text());
  box->setText(QString::number(units * kTimeUnitMs));
}
}  // namespace

void TFrmTestTKV::cboButtonsMonClick(QObject*) { FollowBox(cboButtonsMon, tmrButtons); }
void TFrmTestTKV::cboReadInputClick(QObject*) { FollowBox(cboReadInput, tmrConfInput); }
void TFrmTestTKV::cboReadRemotesClick(QObject*) { FollowBox(cboReadRemotes, tmrRemotes); }
void TFrmTestTKV::cboReadSoundersClick(QObject*) { FollowBox(cboReadSounders, tmrSounders); }
void TFrmTestTKV::cboReadCoverClick(QObject*) { FollowBox(cboReadCover, tmrCover); }

// Answer bytes: RESET, TEST, DISABLE; the line shows TEST, RESET, DISABLE.
void TFrmTestTKV::tmrButtonsTimer(QObject*) {
  RawAnswer a{};
  const TickRead read = MonitorRead(*this, cboButtonsMon, tmrButtons, kReadButtons, 3, a);
  if (read == TickRead::Answered) {
    ShowHeldTime(a[1], edtRESETpressed, lblRESETms);
    ShowHeldTime(a[2], edtTESTpressed, lblTESTms);
    ShowHeldTime(a[3], edtDISABLEpressed, lblDISABLEms);
  } else if (read == TickRead::Failed) {
    ShowErr({edtTESTpressed, edtRESETpressed, edtDISABLEpressed});
  } else {
    return;
  }
  LogLine(edtTESTpressed->text() + QLatin1Char(',') + edtRESETpressed->text() + QLatin1Char(',') +
          edtDISABLEpressed->text());
}

void TFrmTestTKV::tmrConfInputTimer(QObject*) {
  RawAnswer a{};
  const TickRead read = MonitorRead(*this, cboReadInput, tmrConfInput, kReadInput, 1, a);
  if (read == TickRead::Answered) {
    edtConfInput->setText(a[1] == 1 ? QStringLiteral("SHORT") : QStringLiteral("OPEN"));
    LastActionOk = 1;
  } else if (read == TickRead::Failed) {
    ShowErr({edtConfInput});
  } else {
    return;
  }
  LogLine(edtConfInput->text());
}

void TFrmTestTKV::tmrRemotesTimer(QObject*) {
  RawAnswer a{};
  const TickRead read = MonitorRead(*this, cboReadRemotes, tmrRemotes, kReadRemotes, 4, a);
  if (read == TickRead::Answered) {
    QLineEdit* boxes[] = {edtRemoteOut1State, edtRemoteOut1Pin, edtRemoteOut2State, edtRemoteOut2Pin};
    for (int i = 0; i < 4; ++i) boxes[i]->setText(QString::number(a[static_cast<size_t>(1 + i)]));
    LogLine(QStringLiteral("1:%1,%2").arg(a[1]).arg(a[2]));
    LogLine(QStringLiteral("2:%1,%2").arg(a[3]).arg(a[4]));
  } else if (read == TickRead::Failed) {
    ShowErr({edtRemoteOut1State, edtRemoteOut1Pin, edtRemoteOut2State, edtRemoteOut2Pin});
    LogLine(QStringLiteral("1:ERROR"));
    LogLine(QStringLiteral("2:ERROR"));
  }
}

void TFrmTestTKV::tmrSoundersTimer(QObject*) {
  RawAnswer a{};
  const TickRead read = MonitorRead(*this, cboReadSounders, tmrSounders, kReadSounders, 6, a);
  if (read == TickRead::Answered) {
    edtSounder1State->setText(QString::number(a[1]));
    edtSounder2State->setText(QString::number(a[2]));
    edtSounder1AD->setText(QString::number(AnswerWord(a, 3)));
    edtSounder2AD->setText(QString::number(AnswerWord(a, 5)));
  } else if (read == TickRead::Failed) {
    ShowErr({edtSounder1State, edtSounder2State, edtSounder1AD, edtSounder2AD});
  }
}

// Answer bytes: open time, closed time, pin state (1 closed).
void TFrmTestTKV::tmrCoverTimer(QObject*) {
  RawAnswer a{};
  const TickRead read = MonitorRead(*this, cboReadCover, tmrCover, kReadCover, 3, a);
  if (read == TickRead::Answered) {
    ShowHeldTime(a[1], edtCoverOpened, lblCoverOpened);
    ShowHeldTime(a[2], edtCoverClosed, lblCoverClosed);
    edtCoverPinState->setText(QString::number(a[3]));
    LastActionOk = 1;
  } else if (read == TickRead::Failed) {
    ShowErr({edtCoverOpened, edtCoverClosed, edtCoverPinState});
  }
}
