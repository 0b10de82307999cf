// The ULTRASONIC CIRCUIT group of the Admin #1 page: one measurement of the
// flow timer, the continuous measurement with its statistics (GO!), and the
// air density test of the chosen way's channel.
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <optional>

#include "Admin1RawCommand.h"
#include "ConsoleMemo.h"
#include "Convert.h"
#include "Errors.h"
#include "FrmTestTKVU.h"
#include "MonitorTimer.h"
#include "RadioGroup.h"

namespace {
constexpr uint8_t kReadUltra = 11;
constexpr int kCountsPerMicrosecond = 24;  // the flow timer runs at 24 MHz

bool Connected(const TFrmTestTKV& f) { return f.Device && f.Device->IsConnected(); }

// Ways 0 and 1 measure channel 1, ways 2 and 3 channel 2.
int DensityChannel(const TFrmTestTKV& f) { return f.rgUltra->ItemIndex() / 2 + 1; }

// The number of milliseconds in the box; anything but a positive whole number
// ends the action with the conversion error before a timer is touched.
int PositiveInterval(const QLineEdit* box) {
  const QString text = box->text();
  const std::optional<int> ms = TryStrToInt(text);
  if (ms && *ms > 0) return *ms;
  StrToInt(text);  // a text that is no number throws the toolkit's own error
  throw ConvertError(("'" + text + "' is not a valid interval").toStdString());
}

// N, the statistics window, for GO! and each of its ticks. A window the ring
// cannot hold (0 would divide by zero) stops GO! with a message, and a text
// that is no number stops it with the conversion error.
std::optional<int> MeanWindow(TFrmTestTKV& f) {
  const QString text = f.edtMeanSamplesUS->text();
  const std::optional<int> n = TryStrToInt(text);
  if (n && *n >= 1 && *n <= UltraStats::kRingSize) return n;
  f.cbUltraContinue->setChecked(false);
  StrToInt(text);
  f.dialogs().Message(MessageKind::Warning,
                      QStringLiteral("Mean samples must be a number from 1 to %1").arg(UltraStats::kRingSize));
  return std::nullopt;
}

void ShowCounter(TFrmTestTKV& f, uint16_t counter) {
  f.edtUltraCounter->setText(QString::number(counter));
  f.edtUltraUS->setText(QString::number(counter * 1000 / kCountsPerMicrosecond));
}

void ShowStatistics(TFrmTestTKV& f) {
  f.edtUltraMin->setText(QString::number(f.Ultra.minimum));
  f.edtUltraMax->setText(QString::number(f.Ultra.maximum));
  f.edtUltraMean->setText(QString::number(f.Ultra.Mean()));
}

// One flow-timer reading of the way chosen in rgUltra; nothing when it failed.
std::optional<uint16_t> MeasureWay(TFrmTestTKV& f) {
  RawAnswer a{};
  if (!SendRaw(*f.Device, kReadUltra, 2, {f.rgUltra->ItemIndex()}, a)) return std::nullopt;
  return AnswerWord(a, 1);
}

void ShowUltraErr(TFrmTestTKV& f) {
  f.edtUltraCounter->setText(QStringLiteral("ERR"));
  f.edtUltraUS->setText(QStringLiteral("ERR"));
}
}  // namespace

// A counter of 0 is no measurement.
void TFrmTestTKV::btnReadUltraClick(QObject*) {
  if (!RequireConnection()) return;
  const std::optional<uint16_t> counter = MeasureWay(*this);
  if (!counter || *counter == 0) {
    ShowUltraErr(*this);
    return;
  }
  ShowCounter(*this, *counter);
  memoUltra->AddLines(QString::number(*counter));
}

void TFrmTestTKV::btnUltraClearClick(QObject*) {
  Ultra.Clear();
  ShowStatistics(*this);
  memoUltra->ClearLines();
}

void TFrmTestTKV::cbUltraContinueClick(QObject*) {
  const bool running = cbUltraContinue->isChecked();
  btnUltraClear->setEnabled(!running);
  if (!running) {
    tmrUltra->stop();
    return;
  }
  if (!MeanWindow(*this)) return;
  StartMonitorTimer(pacing(), cbUltraContinue, tmrUltra, edtUltraMeasInt);
  btnUltraClearClick(nullptr);
  Ultra.firstSample = true;
  memoUltra->AddLines(QString());
  lblUltraNumMeas->setText(QStringLiteral("#0"));
  Ultra.count = 0;
}

// A failed reading shows "ERR" and the measurement goes on.
void TFrmTestTKV::tmrUltraTimer(QObject*) {
  if (!Connected(*this)) {
    cbUltraContinue->setChecked(false);
    tmrUltra->stop();
    return;
  }
  const std::optional<int> window = MeanWindow(*this);
  if (!window) return;
  const std::optional<uint16_t> counter = MeasureWay(*this);
  if (!counter) {
    ShowUltraErr(*this);
    return;
  }
  ShowCounter(*this, *counter);
  Ultra.Add(*counter, *window);
  memoUltra->AddLines(QString::number(*counter));
  lblUltraNumMeas->setText(QStringLiteral("#%1").arg(Ultra.count));
  ShowStatistics(*this);
}

void TFrmTestTKV::btnClearMemoUltraClick(QObject*) {
  memoUltra->ClearLines();
  lblUltraNumMeas->setText(QStringLiteral("#0"));
  Ultra.count = 0;
}

void TFrmTestTKV::btnCopyMemoUltraClick(QObject*) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(memoUltra->Lines().join(QStringLiteral("\r\n")));
}

void TFrmTestTKV::btnTestDensityClick(QObject*) {
  if (tmrDensity->isActive()) {
    tmrDensity->stop();
    return;
  }
  if (!RequireConnection()) return;
  const int interval = PositiveInterval(edtUltraMeasInt);
  memoUltra->ClearLines();
  DensityTick = 0;
  const int result = Device->DensityTestStep(DensityChannel(*this), -1);
  if (result == 0) {
    ReportLastError();
    return;
  }
  if (result != 1) {  // held back by the detector
    memoUltra->AddLines(QString::number(result));
    return;
  }
  tmrDensity->start(pacing().Interval(interval));
}

// The test answers its final value at every tick once it has ended; the
// timer runs until the button stops it.
void TFrmTestTKV::tmrDensityTimer(QObject*) {
  if (!Connected(*this)) {
    tmrDensity->stop();
    memoUltra->AddLines(QStringLiteral("ERROR"));
    return;
  }
  ++DensityTick;
  const int result = Device->DensityTestStep(DensityChannel(*this), DensityTick);
  memoUltra->AddLines(QStringLiteral("%1|%2").arg(result).arg(DensityTick));
}
