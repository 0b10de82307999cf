// The Admin #1 page on the real window against the simulated detector: the
// monitors, the one-shot commands, the ultrasonic measurement and the air
// density test.
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "ConsoleMemo.h"
#include "DetectorWindow.h"
#include "RadioGroup.h"

namespace {

using Tick = void (TFrmTestTKV::*)(QObject*);

// Code and P1, P2, P3 of the newest request of that code.
QList<int> Sent(DetectorWindow& w, int code) {
  const std::vector<uint8_t> r = w.detector().LastRequest(code);
  return r.empty() ? QList<int>{} : QList<int>{r[0], r[3], r[4], r[5]};
}

QString Text(TFrmTestTKV& f, const char* name) {
  if (auto* edit = f.findChild<QLineEdit*>(QString::fromLatin1(name))) return edit->text();
  if (auto* label = f.findChild<QLabel*>(QString::fromLatin1(name))) return label->text();
  qFatal("no box %s", name);
}

QStringList Texts(TFrmTestTKV& f, std::initializer_list<const char*> names) {
  QStringList texts;
  for (const char* name : names) texts << Text(f, name);
  return texts;
}

void Press(DetectorWindow& w, sim::Switch what, bool pressed) {
  w.detector().WithModel([&](sim::DeviceModel& m) {
    if (pressed)
      m.peripherals().Press(what);
    else
      m.peripherals().Release(what);
  });
}

void QueueUltra(DetectorWindow& w, int way, const std::vector<uint16_t>& counts) {
  w.detector().WithModel([&](sim::DeviceModel& m) { m.peripherals().QueueUltraCounts(way, counts); });
}

int CountRequests(DetectorWindow& w, int code) {
  int n = 0;
  for (const std::vector<uint8_t>& r : w.detector().RequestLog()) n += r[0] == code;
  return n;
}

// The five monitors: box, timer, tick, command and the boxes a failure fills.
struct Monitor {
  const char* box;
  const char* timer;
  Tick tick;
  int code;
  std::vector<const char*> values;
  QStringList failureLines;
};

const Monitor kMonitors[] = {
    {"cboButtonsMon", "tmrButtons", &TFrmTestTKV::tmrButtonsTimer, 14,
     {"edtTESTpressed", "edtRESETpressed", "edtDISABLEpressed"}, {"ERR,ERR,ERR"}},
    {"cboReadInput", "tmrConfInput", &TFrmTestTKV::tmrConfInputTimer, 16, {"edtConfInput"}, {"ERR"}},
    {"cboReadRemotes", "tmrRemotes", &TFrmTestTKV::tmrRemotesTimer, 15,
     {"edtRemoteOut1State", "edtRemoteOut1Pin", "edtRemoteOut2State", "edtRemoteOut2Pin"},
     {"1:ERROR", "2:ERROR"}},
    {"cboReadSounders", "tmrSounders", &TFrmTestTKV::tmrSoundersTimer, 17,
     {"edtSounder1State", "edtSounder2State", "edtSounder1AD", "edtSounder2AD"}, {}},
    {"cboReadCover", "tmrCover", &TFrmTestTKV::tmrCoverTimer, 18,
     {"edtCoverOpened", "edtCoverClosed", "edtCoverPinState"}, {}},
};

QCheckBox* Box(TFrmTestTKV& f, const Monitor& m) { return f.findChild<QCheckBox*>(m.box); }
QTimer* Timer(TFrmTestTKV& f, const Monitor& m) { return f.findChild<QTimer*>(m.timer); }

}  // namespace

class Admin1PageTest : public QObject {
  Q_OBJECT
 private slots:
  void eachMonitorTickShowsItsReadingAndPrintsItsLine() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    auto& f = w.form();
    Press(w, sim::Switch::Test, true);
    Press(w, sim::Switch::ExternalInput, true);
    Press(w, sim::Switch::Cover, true);
    w.detector().WithModel([](sim::DeviceModel& m) { m.live().channel[1].alarm = 1; });
    QTest::qWait(120);  // TEST held for two time units at least
    const QString sounderAd = QString::number(w.detector().WithModel(
        [](sim::DeviceModel& m) { return m.peripherals().Analogue(0, m.live(), m.channels()); }));

    w.NewConsoleLines();
    f.tmrButtonsTimer(nullptr);
    const QString test = f.edtTESTpressed->text();
    QVERIFY2(test.toInt() >= 100 && test.toInt() % 50 == 0, qPrintable(test));
    QCOMPARE(w.NewConsoleLines(), QStringList{test + ",0,0"});

    f.LastActionOk = 0;
    f.tmrConfInputTimer(nullptr);
    QCOMPARE(f.edtConfInput->text(), QStringLiteral("SHORT"));
    QCOMPARE(w.NewConsoleLines(), QStringList{"SHORT"});
    QCOMPARE(f.LastActionOk, 1);
    Press(w, sim::Switch::ExternalInput, false);
    f.tmrConfInputTimer(nullptr);
    QCOMPARE(w.NewConsoleLines(), QStringList{"OPEN"});

    f.tmrRemotesTimer(nullptr);
    QCOMPARE(Texts(f, {"edtRemoteOut1State", "edtRemoteOut1Pin", "edtRemoteOut2State", "edtRemoteOut2Pin"}),
             (QStringList{"0", "0", "1", "1"}));
    QCOMPARE(w.NewConsoleLines(), (QStringList{"1:0,0", "2:1,1"}));

    f.tmrSoundersTimer(nullptr);
    QCOMPARE(Texts(f, {"edtSounder1State", "edtSounder2State", "edtSounder1AD", "edtSounder2AD"}),
             (QStringList{"0", "0", sounderAd, sounderAd}));

    f.LastActionOk = 0;
    f.tmrCoverTimer(nullptr);
    QCOMPARE(f.edtCoverOpened->text(), QStringLiteral("0"));
    QVERIFY(f.edtCoverClosed->text().toInt() >= 100);
    QCOMPARE(f.edtCoverPinState->text(), QStringLiteral("1"));
    QCOMPARE(f.LastActionOk, 1);
    QVERIFY2(w.NewConsoleLines().isEmpty(), "sounders and cover print nothing");
  }

  void aFailedReadShowsErrAndStopsTheMonitor() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    auto& f = w.form();
    for (const Monitor& m : kMonitors) {
      Box(f, m)->setChecked(true);
      QVERIFY2(Timer(f, m)->isActive(), m.timer);
      w.detector().InjectFault({sim::FaultKind::Refuse, m.code});
      w.NewConsoleLines();
      f.LastActionOk = 0;
      (f.*m.tick)(nullptr);
      for (const char* value : m.values) QCOMPARE(Text(f, value), QStringLiteral("ERR"));
      QCOMPARE(w.NewConsoleLines(), m.failureLines);
      QVERIFY2(!Box(f, m)->isChecked(), m.box);
      QVERIFY2(!Timer(f, m)->isActive(), m.timer);
      QCOMPARE(f.LastActionOk, 0);
    }
  }

  void aLostConnectionStopsEveryMonitor() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    auto& f = w.form();
    for (const Monitor& m : kMonitors) Box(f, m)->setChecked(true);
    w.Click("Button2");
    w.NewConsoleLines();
    const uint64_t requests = w.detector().RequestCount();
    for (const Monitor& m : kMonitors) {
      (f.*m.tick)(nullptr);
      QVERIFY2(!Box(f, m)->isChecked(), m.box);
      QVERIFY2(!Timer(f, m)->isActive(), m.timer);
    }
    QCOMPARE(w.NewConsoleLines(), QStringList(5, ">>Not connected!"));
    QCOMPARE(w.detector().RequestCount(), requests);
  }

  // The running monitor shows the growing time; the first tick after the
  // release shows 0 and the label keeps the last time shown.
  void aButtonHeldAndReleasedLeavesItsLastTimeInTheLabel() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    auto& f = w.form();
    f.cboButtonsMonClick(nullptr);  // unticked: nothing runs
    QVERIFY(!f.tmrButtons->isActive());
    f.cboButtonsMon->setChecked(true);
    w.NewConsoleLines();
    Press(w, sim::Switch::Disable, true);
    QTest::qWait(1000);
    Press(w, sim::Switch::Disable, false);
    QTRY_COMPARE(w.Console().constLast(), QStringLiteral("0,0,0"));
    f.cboButtonsMon->setChecked(false);
    QVERIFY(!f.tmrButtons->isActive());

    QStringList held;
    for (const QString& line : w.NewConsoleLines()) {
      const QStringList fields = line.split(',');
      QCOMPARE(fields.size(), 3);
      if (fields[2] != QStringLiteral("0")) held << fields[2];
    }
    QVERIFY2(held.size() >= 2, qPrintable(held.join(' ')));
    for (int i = 1; i < held.size(); ++i) QVERIFY(held[i].toInt() >= held[i - 1].toInt());
    QCOMPARE(f.lblDISABLEms->text(), held.constLast());
    QCOMPARE(f.edtDISABLEpressed->text(), QStringLiteral("0"));
    QCOMPARE(f.lblTESTms->text(), QStringLiteral("0"));
  }

  void measureFlowShowsNanosecondsOrErr() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    auto& f = w.form();
    f.rgUltra->SetItemIndex(3);
    QueueUltra(w, 3, {48, 0});
    w.Click("btnReadUltra");
    QCOMPARE(Sent(w, 11).mid(0, 2), (QList<int>{11, 3}));
    QCOMPARE(Texts(f, {"edtUltraCounter", "edtUltraUS"}), (QStringList{"48", "2000"}));
    QCOMPARE(f.memoUltra->Lines(), QStringList{"48"});
    w.Click("btnReadUltra");
    QCOMPARE(Texts(f, {"edtUltraCounter", "edtUltraUS"}), (QStringList{"ERR", "ERR"}));
    QCOMPARE(f.memoUltra->Lines(), QStringList{"48"});
  }

  void continuousMeasurementKeepsTheStatisticsOfTheWindow() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    auto& f = w.form();
    f.edtMeanSamplesUS->setText(QStringLiteral("4"));
    f.memoUltra->AddLines(QStringLiteral("old"));
    QueueUltra(w, 0, {1000, 600, 0});
    f.cbUltraContinue->setChecked(true);
    QVERIFY(f.tmrUltra->isActive());
    QVERIFY(!f.btnUltraClear->isEnabled());
    // The ticks are run here one by one; the timer gets no event loop meanwhile.
    f.tmrUltraTimer(nullptr);
    QCOMPARE(Texts(f, {"edtUltraMin", "edtUltraMax", "edtUltraMean", "lblUltraNumMeas"}),
             (QStringList{"1000", "1000", "1000", "#1"}));
    f.tmrUltraTimer(nullptr);
    QCOMPARE(Texts(f, {"edtUltraMin", "edtUltraMax", "edtUltraMean"}),
             (QStringList{"600", "1000", "900"}));
    f.tmrUltraTimer(nullptr);  // a counter of 0 is a measurement here
    QCOMPARE(Texts(f, {"edtUltraCounter", "edtUltraUS", "edtUltraMin", "edtUltraMean", "lblUltraNumMeas"}),
             (QStringList{"0", "0", "0", "650", "#3"}));
    QCOMPARE(f.memoUltra->Lines(), (QStringList{"", "1000", "600", "0"}));

    w.detector().InjectFault({sim::FaultKind::Refuse, 11});
    f.tmrUltraTimer(nullptr);
    QCOMPARE(Texts(f, {"edtUltraCounter", "edtUltraUS", "lblUltraNumMeas"}), (QStringList{"ERR", "ERR", "#3"}));
    QVERIFY2(f.tmrUltra->isActive(), "a failed reading does not stop GO!");

    f.cbUltraContinue->setChecked(false);
    QVERIFY(!f.tmrUltra->isActive());
    QVERIFY(f.btnUltraClear->isEnabled());
    w.Click("btnUltraClear");
    QCOMPARE(Texts(f, {"edtUltraMin", "edtUltraMax", "edtUltraMean"}), (QStringList{"0", "0", "0"}));
    QVERIFY(f.memoUltra->Lines().isEmpty());

    f.memoUltra->AddLines(QStringLiteral("12"));
    w.Click("btnCopyMemoUltra");
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("12"));
    w.Click("btnClearMemoUltra");
    QVERIFY(f.memoUltra->Lines().isEmpty());
    QCOMPARE(f.lblUltraNumMeas->text(), QStringLiteral("#0"));
  }

  // A window of 0 divided by zero and one over 1000 ran past the ring; a bad
  // interval would start a timer that spins. Each is refused before anything starts.
  void badMeanSamplesOrIntervalStartNothing() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    auto& f = w.form();
    struct Case {
      const char* samples;
      const char* interval;
      MessageKind kind;
    } cases[] = {
        {"0", "10", MessageKind::Warning},  {"1001", "10", MessageKind::Warning},
        {"x", "10", MessageKind::Error},    {"1", "0", MessageKind::Error},
        {"1", "ten", MessageKind::Error},
    };
    f.memoUltra->AddLines(QStringLiteral("kept"));
    const uint64_t requests = w.detector().RequestCount();
    for (const Case& c : cases) {
      f.edtMeanSamplesUS->setText(QString::fromLatin1(c.samples));
      f.edtUltraMeasInt->setText(QString::fromLatin1(c.interval));
      w.dialogs().messages.clear();
      f.cbUltraContinue->click();
      QVERIFY2(!f.cbUltraContinue->isChecked(), c.samples);
      QVERIFY2(!f.tmrUltra->isActive(), c.samples);
      QVERIFY2(f.btnUltraClear->isEnabled(), c.samples);
      QCOMPARE(w.dialogs().messages.size(), size_t{1});
      QCOMPARE(w.dialogs().messages[0].kind, c.kind);
    }
    QCOMPARE(w.dialogs().messages[0].text, QStringLiteral("'ten' is not a valid integer value"));
    QCOMPARE(f.memoUltra->Lines(), QStringList{"kept"});
    QCOMPARE(w.detector().RequestCount(), requests);

    // Changed while running, the window stops the measurement at the next tick.
    f.edtMeanSamplesUS->setText(QStringLiteral("2"));
    f.edtUltraMeasInt->setText(QStringLiteral("10"));
    f.cbUltraContinue->setChecked(true);
    QVERIFY(f.tmrUltra->isActive());
    f.edtMeanSamplesUS->setText(QStringLiteral("0"));
    w.dialogs().messages.clear();
    f.tmrUltraTimer(nullptr);
    QVERIFY(!f.cbUltraContinue->isChecked());
    QVERIFY(!f.tmrUltra->isActive());
    QCOMPARE(w.dialogs().messages.size(), size_t{1});
    QCOMPARE(w.detector().RequestCount(), requests);

    f.edtUltraMeasInt->setText(QStringLiteral("-5"));
    w.Click("btnTestDensity");
    QVERIFY(!f.tmrDensity->isActive());
    QCOMPARE(w.dialogs().messages.back().kind, MessageKind::Error);
    QCOMPARE(w.detector().RequestCount(), requests);
  }

  void airDensityTestRunsUntilStopped() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    auto& f = w.form();
    std::vector<uint16_t> counts(30, 500);
    counts.insert(counts.end(), 20, 600);
    QueueUltra(w, 2, counts);
    f.rgUltra->SetItemIndex(3);  // way 2B --> 2A: channel 2, read A --> B
    f.memoUltra->AddLines(QStringLiteral("old"));
    w.Click("btnTestDensity");
    QVERIFY(f.tmrDensity->isActive());
    QTRY_VERIFY(f.memoUltra->Lines().size() >= 52);
    w.Click("btnTestDensity");
    QVERIFY(!f.tmrDensity->isActive());
    const QStringList lines = f.memoUltra->Lines();
    QCOMPARE(lines[0], QStringLiteral("4|1"));
    QCOMPARE(lines[29], QStringLiteral("4|30"));
    QCOMPARE(lines[30], QStringLiteral("1|31"));
    QCOMPARE(lines[49], QStringLiteral("30|50"));
    QCOMPARE(lines[50], QStringLiteral("30|51"));  // the result again at every tick
    QCOMPARE(Sent(w, 11).mid(0, 2), (QList<int>{11, 2}));

    w.detector().WithModel([](sim::DeviceModel& m) { m.info()[19] = 1; });
    w.Click("btnTestDensity");
    QVERIFY(!f.tmrDensity->isActive());
    QCOMPARE(f.memoUltra->Lines(), QStringList{"3"});

    f.rgUltra->SetItemIndex(0);
    w.Click("btnTestDensity");
    QVERIFY(f.tmrDensity->isActive());
    w.Click("Button2");
    f.tmrDensityTimer(nullptr);
    QVERIFY(!f.tmrDensity->isActive());
    QCOMPARE(f.memoUltra->Lines().constLast(), QStringLiteral("ERROR"));
  }

  void fansDacAndAd() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    auto& f = w.form();
    auto fanAd = [&](int channel) {
      return QString::number(w.detector().WithModel(
          [&](sim::DeviceModel& m) { return m.peripherals().Analogue(channel, m.live(), m.channels()); }));
    };
    f.edtFan1DAC->setText(QStringLiteral("100"));
    f.edtFan2DAC->setText(QStringLiteral("200"));
    w.NewConsoleLines();
    w.Click("btnSetFansDAC");
    QCOMPARE(Sent(w, 8), (QList<int>{8, 100, 200, 0}));
    w.Click("btnReadFansAD");
    QCOMPARE(Texts(f, {"edtFan1AD", "edtFan2AD"}), (QStringList{fanAd(5), fanAd(6)}));
    QVERIFY(f.edtFan2AD->text().toInt() > f.edtFan1AD->text().toInt());
    QCOMPARE(Sent(w, 9).mid(0, 2), (QList<int>{9, 6}));
    w.Click("btnStopFANS");
    QCOMPARE(Sent(w, 8), (QList<int>{8, 100, 200, 1}));
    w.Click("btnReadFansAD");
    QCOMPARE(Texts(f, {"edtFan1AD", "edtFan2AD"}), (QStringList{"0", "0"}));
    QVERIFY2(w.NewConsoleLines().isEmpty(), "success prints nothing");

    w.detector().InjectFault({sim::FaultKind::Refuse, 9});
    w.Click("btnReadFansAD");
    QCOMPARE(Texts(f, {"edtFan1AD", "edtFan2AD"}), (QStringList{"ERR", "0"}));
    w.detector().InjectFault({sim::FaultKind::Refuse, 8});
    w.Click("btnSetFansDAC");
    QCOMPARE(w.NewConsoleLines(), QStringList{">>TKV Error [8] device doesn't acknowledge to command"});

    const TFrmTestTKV::AdReading power = f.ReadAdChannel(7);
    QVERIFY(power.ok);
    QVERIFY(power.value >= 660 && power.value <= 695);
  }

  void isolatorReadAndCommand() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    auto& f = w.form();
    f.edtSub127Cmd->setText(QStringLiteral("32"));
    f.LastActionOk = 0;
    w.Click("btnReadIsolator");
    QCOMPARE(Sent(w, 10).mid(0, 2), (QList<int>{10, 0}));
    QCOMPARE(Texts(f, {"edtIsolatorPinState", "edtSub127"}), (QStringList{"1", "224"}));
    QCOMPARE(f.LastActionOk, 1);

    f.LastActionOk = 0;
    w.Click("btnIsolatorCmd");
    QCOMPARE(Sent(w, 10).mid(0, 2), (QList<int>{10, 32}));
    QCOMPARE(Texts(f, {"edtIsolatorPinState", "edtSub127"}), (QStringList{"0", "32"}));
    QCOMPARE(f.LastActionOk, 0);

    f.edtSub127Cmd->setText(QStringLiteral("96"));
    f.btnReadIsolatorClick(nullptr);  // as the end-of-line test reads it
    QCOMPARE(Sent(w, 10).mid(0, 2), (QList<int>{10, 96}));
    QCOMPARE(Texts(f, {"edtIsolatorPinState", "edtSub127"}), (QStringList{"1", "224"}));
    QCOMPARE(f.LastActionOk, 1);

    f.LastActionOk = 0;
    w.detector().InjectFault({sim::FaultKind::Refuse, 10});
    w.Click("btnReadIsolator");
    QCOMPARE(Texts(f, {"edtIsolatorPinState", "edtSub127"}), (QStringList{"ERR", "ERR"}));
    QCOMPARE(f.LastActionOk, 0);
  }

  void loopVoltageAndLoopAddress() {
    sim::DetectorOptions loop;
    loop.variant = sim::Variant::LoopBased;
    DetectorWindow w(loop);
    QVERIFY(w.Connect());
    auto& f = w.form();
    f.rgSetSaLoop->SetItemIndex(2);
    w.NewConsoleLines();
    w.Click("btnSetSALoop");
    QCOMPARE(Sent(w, 24).mid(0, 2), (QList<int>{24, 2}));
    QCOMPARE(w.detector().WithModel([](sim::DeviceModel& m) { return m.peripherals().standAloneLoop(); }), 2);
    QCOMPARE(w.NewConsoleLines(), QStringList{">>Loop set!"});

    const int address = w.detector().WithModel([](sim::DeviceModel& m) { return int{m.live().loopAddress}; });
    f.edtReadRAM->setText(QStringLiteral("16719872"));
    w.Click("Button44");
    QCOMPARE(Sent(w, 36).mid(0, 2), (QList<int>{36, 4}));
    QCOMPARE(w.NewConsoleLines(), QStringList{QStringLiteral("Loop address 16719872 = %1").arg(address)});
  }

  void readRamPrintsTheAddressInHexadecimal() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    auto& f = w.form();
    w.detector().WithModel([](sim::DeviceModel& m) {
      m.SetRam(0x12345678, 77);
      m.SetRam(0xFF3955, 6);
    });
    struct Case {
      const char* typed;
      QString line;
      QString value;
    } cases[] = {{"305419896", "12345678=77", "77"}, {"16726357", "00FF3955=6", "6"}};
    for (const Case& c : cases) {
      f.edtReadRAM->setText(QString::fromLatin1(c.typed));
      w.NewConsoleLines();
      w.Click("Button43");
      QCOMPARE(w.NewConsoleLines(), QStringList{c.line});
      QCOMPARE(f.edtRamValue->text(), c.value);
    }
    const std::vector<uint8_t> sent = w.detector().LastRequest(36);
    QCOMPARE((QList<int>{sent[3], sent[4], sent[5], sent[6], sent[7]}), (QList<int>{3, 0x55, 0x39, 0xFF, 0}));

    f.edtReadRAM->setText(QStringLiteral("0x10"));
    const uint64_t requests = w.detector().RequestCount();
    w.Click("Button43");
    QCOMPARE(w.detector().RequestCount(), requests);
    QCOMPARE(w.dialogs().messages.size(), size_t{1});
  }

  void forceLogInsertsOnceOr2230Times() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    auto& f = w.form();
    f.edtForceLog->setText(QStringLiteral("77"));
    w.detector().ClearRequestLog();
    w.NewConsoleLines();
    f.LastActionOk = 0;
    w.Click("btnForceLog");
    QCOMPARE(CountRequests(w, 21), 1);
    QCOMPARE(w.NewConsoleLines(), QStringList{">>Log inserted!"});
    QCOMPARE(f.LastActionOk, 1);

    w.detector().ClearRequestLog();
    w.Click("Button41");
    QCOMPARE(CountRequests(w, 21), 2230);
    for (const std::vector<uint8_t>& r : w.detector().RequestLog()) QCOMPARE(int{r[3]}, 77);
    QCOMPARE(w.NewConsoleLines(), QStringList{">>Log inserted!"});
    QVERIFY(f.Button41->isEnabled());

    f.LastActionOk = 0;
    w.detector().ClearRequestLog();
    w.detector().InjectFault({sim::FaultKind::Refuse, 21, 1});
    w.Click("Button41");
    QCOMPARE(CountRequests(w, 21), 1);  // the first failure ends the insertions
    QCOMPARE(w.NewConsoleLines(), QStringList{">>TKV Error [8] device doesn't acknowledge to command"});
    QCOMPARE(f.LastActionOk, 0);
    QVERIFY(f.Button41->isEnabled());
  }

  void everyActionNeedsAConnection() {
    DetectorWindow w;
    for (const char* button : {"btnSetFansDAC", "btnReadFansAD", "btnReadIsolator", "btnIsolatorCmd",
                               "btnSetSALoop", "btnForceLog", "Button43", "Button44", "btnReadUltra",
                               "btnTestDensity"}) {
      w.NewConsoleLines();
      w.Click(button);
      QCOMPARE(w.NewConsoleLines(), QStringList{">>Not connected!"});
    }
    QVERIFY(!w.form().ReadAdChannel(5).ok);
  }
};

QTEST_MAIN(Admin1PageTest)
#include "Admin1PageTest.moc"
