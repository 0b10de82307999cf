// The diagnostic's monitor sections: cover switch, fan sweep, analogue
// inputs, external input, buttons and remote outputs, and the sensors (the
// stand-alone sensors, or the loop address and the isolator). Each monitor
// is started and stopped as the user does it, by its check box.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "ConsoleMemo.h"
#include "DiagnosticRun.h"
#include "FrmTestTKVU.h"
#include "RadioGroup.h"

namespace diag {

namespace {
constexpr int kWideHead = 56;  // the COVER and EXT INP heads run one further
constexpr int kFanRestDac = 125;
}  // namespace

void DiagnosticRun::Cover() {
  ClosedSection(">>>--COVER-----OPEN, CLOSE, PIN", kWideHead, "<<<--COVER", kBannerWidth, [this] {
    f_.tmrCover->setInterval(f_.pacing().Interval(kMonitorIntervalMs));
    Monitor cover(*this, f_.cboReadCover, &TFrmTestTKV::cboReadCoverClick, f_.tmrCover);
    cover.Start();
    for (int i = 0; i < kCoverSamples; ++i) {
      CheckAbort();
      PumpedWait(kCoverSampleMs);  // the monitor keeps the fields up to date meanwhile
      Line(f_.edtCoverOpened->text() + QLatin1Char(',') + f_.edtCoverClosed->text() +
           QLatin1Char(',') + f_.edtCoverPinState->text());
    }
    cover.Stop();
  });
}

// The reading before the sweep and the sweep's first step both begin "0=".
void DiagnosticRun::Fans() {
  ClosedSection(">>>--FANS-DAC/AD", kBannerWidth, "<<<--FANS-DAC/AD", kBannerWidth, [this] {
    const auto reading = [this](int step) {
      Line(QString::number(step) + QLatin1Char('=') + f_.edtFan1AD->text() + QLatin1Char(',') +
           f_.edtFan2AD->text());
    };
    const auto setDac = [this](int value) {
      f_.edtFan1DAC->setText(QString::number(value));
      f_.edtFan2DAC->setText(QString::number(value));
      f_.btnSetFansDACClick(nullptr);
    };
    f_.btnSetFansDACClick(nullptr);  // with the values the fields hold
    Sleep(kFanSettleMs);
    f_.btnReadFansADClick(nullptr);
    reading(0);
    for (int i = 0; i < kFanSteps; ++i) {
      CheckAbort();
      setDac(i);
      Sleep(kFanStepMs);
      LetEventsThrough();
      f_.btnReadFansADClick(nullptr);
      reading(i);
    }
    setDac(kFanRestDac);
  });
}

void DiagnosticRun::Analogue(const char* head, const char* closing, int width) {
  ClosedSection(head, width, closing, width, [this] {
    for (int item = 0; item < kAdChannels; ++item) {
      CheckAbort();
      f_.rgAD->SetItemIndex(item);
      Line(QStringLiteral(">>>") + f_.rgAD->ItemText(item) +
           QStringLiteral(" ----------------------"));
      f_.memAD->ClearLines();
      Monitor analogue(*this, f_.cboAD, &TFrmTestTKV::cboADClick, f_.tmrAD);
      analogue.Start();
      PumpedWait(kAdSampleMs);
      analogue.Stop();
      CopyMemo(f_.memAD);
      LetEventsThrough();
    }
  });
}

void DiagnosticRun::MonitorSteps(bool abortChecks) {
  for (int i = 0; i < kMonitorSteps; ++i) {
    if (abortChecks) CheckAbort();
    Sleep(kMonitorStepMs);
    LetEventsThrough();
  }
}

// The monitor prints its own lines while it runs.
void DiagnosticRun::ExternalInput() {
  ClosedSection(">>>--EXT INP", kWideHead, "<<<--EXT INP", kBannerWidth, [this] {
    f_.tmrConfInput->setInterval(f_.pacing().Interval(kMonitorIntervalMs));
    Monitor input(*this, f_.cboReadInput, &TFrmTestTKV::cboReadInputClick, f_.tmrConfInput);
    input.Start();
    MonitorSteps(true);
    input.Stop();
    LetEventsThrough();
  });
}

// As the external input, except that the last ticks get through before the stop.
void DiagnosticRun::LateStoppedMonitor(const char* head, const char* closing, QCheckBox* box,
                                       Handler click, QTimer* timer) {
  ClosedSection(head, kBannerWidth, closing, kBannerWidth, [=] {
    timer->setInterval(f_.pacing().Interval(kMonitorIntervalMs));
    Monitor monitor(*this, box, click, timer);
    monitor.Start();
    MonitorSteps(true);
    LetEventsThrough();
    monitor.Stop();
  });
}

void DiagnosticRun::Buttons() {
  LateStoppedMonitor(">>>--BUTTONS-T,R,D", "<<<--BUTTONS", f_.cboButtonsMon,
                     &TFrmTestTKV::cboButtonsMonClick, f_.tmrButtons);
}

void DiagnosticRun::RemoteOutputs() {
  LateStoppedMonitor(">>>--REMOTE OUT---STATE,PIN", "<<<--REMOTE OUT", f_.cboReadRemotes,
                     &TFrmTestTKV::cboReadRemotesClick, f_.tmrRemotes);
}

void DiagnosticRun::Sensors() {
  if (standAlone_)
    StandAloneSensors();
  else
    LoopAddressAndIsolator();
}

void DiagnosticRun::StandAloneSensors() {
  Banner(">>>--SA SENS");
  TimestampLine();
  Monitor poll(*this, f_.cboAutoPoll, &TFrmTestTKV::cboAutoPollClick, f_.tmrAutoPoll);
  poll.Start();
  for (int elapsed = 0; elapsed < kSensorPollMs; elapsed += kSensorStepMs) {
    Sleep(kSensorStepMs);
    LetEventsThrough();
    CheckAbort();
  }
  poll.Stop();
  f_.btnPollSensor1Click(f_.btnTestSensor1);
  f_.btnPollSensor1Click(f_.btnTestSensor2);
  Banner("<<<--SA SENS");
  TimestampLine();
  Blank();
}

// The isolator is read with parameter 0, as its READ button does.
void DiagnosticRun::LoopAddressAndIsolator() {
  Banner(">>>--LOOP ADD");
  TimestampLine();
  f_.Button44Click(nullptr);
  Banner("<<<--LOOP ADD");
  TimestampLine();
  Blank();
  Banner(">>>--ISOLATOR");
  TimestampLine();
  f_.btnReadIsolatorClick(f_.btnReadIsolator);
  Line(QStringLiteral("PIN STATE:") + f_.edtIsolatorPinState->text());
  Line(QStringLiteral("SUB127   :") + f_.edtSub127->text());
  Banner("<<<--ISOLATOR");
  TimestampLine();
  Blank();
}

}  // namespace diag
