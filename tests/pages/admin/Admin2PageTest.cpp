// The Admin #2 page on the real window against the simulated detector:
// sensor poll and test, the automatic poll, the analogue monitor and the
// front-panel LEDs.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "ConsoleMemo.h"
#include "DetectorWindow.h"
#include "LedIcons.h"
#include "LedSelector.h"
#include "RadioGroup.h"

namespace {

using Bytes = std::vector<uint8_t>;
constexpr int kPollSensor = 25, kSetLeds = 12, kReadAdc = 9;

QString Refused() { return QStringLiteral(">>TKV Error [8] device doesn't acknowledge to command"); }

// The requests of that code in the detector's log, oldest first.
std::vector<Bytes> Requests(DetectorWindow& w, int code) {
  std::vector<Bytes> found;
  for (const Bytes& r : w.detector().RequestLog())
    if (r[0] == code) found.push_back(r);
  return found;
}

// P1..P5 of a request.
Bytes Params(const Bytes& request) { return Bytes(request.begin() + 3, request.begin() + 8); }

int DataLength(const Bytes& request) { return request[1] << 8 | request[2]; }

// The 90 data bytes of the newest LED request.
Bytes SentLedFrame(DetectorWindow& w) {
  const Bytes r = w.detector().LastRequest(kSetLeds);
  if (r.size() < 16 + 90) return {};
  return Bytes(r.begin() + 16, r.begin() + 16 + 90);
}

}  // namespace

class Admin2PageTest : public QObject {
  Q_OBJECT
 private slots:
  void pollShowsWidthsRemoteAndStatusTestOnlyTheStatus() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    auto& f = w.form();
    w.detector().WithModel([](sim::DeviceModel& m) {
      m.sensors().sensor(0).pulseWidths = {65499, 65500, 65501, 1184, 0};
      sim::SensorReading& second = m.sensors().sensor(1);
      second.remoteWorking = false;
      second.pollStatus = 22;
      second.testStatus = 21;
    });
    struct Case {
      QPushButton* sender;
      ConsoleMemo* memo;
      Bytes params;
      QString header;
      QStringList memoLines;
    };
    const Case cases[] = {
        {f.btnPollSensor1, f.memSensor1Info, {0, 1, 1, 0, 1}, "--- POLL --- 1 --- ",
         {"PW1: 65499", "PW2: TIMEOUT", "PW3: SINK TOO LONG",
          "PW4: 1184", "PW5: 0", "", "remote is working", "", "normal"}},
        {f.btnPollSensor2, f.memSensor2Info, {1, 1, 1, 0, 1}, "--- POLL --- 2 --- ",
         {"PW1: 1172", "PW2: 1190", "PW3: 1205", "PW4: 1181", "PW5: 1179", "",
          "remote is NOT working", "", "error 14 [no answer/pw out of spec.]"}},
        {f.btnTestSensor1, f.memSensor1Info, {0, 2, 1, 0, 1}, "--- TEST --- 1 --- ",
         {"", "remote test passed"}},
        {f.btnTestSensor2, f.memSensor2Info, {1, 2, 1, 0, 1}, "--- TEST --- 2 --- ",
         {"", "error 4/6 [low chamber or remote test failed]"}},
    };
    for (const Case& c : cases) {
      w.NewConsoleLines();
      c.memo->AddLines(QStringLiteral("left from before"));
      c.sender->click();
      QCOMPARE(Params(w.detector().LastRequest(kPollSensor)), c.params);
      QCOMPARE(c.memo->Lines(), c.memoLines);
      const QStringList console = w.NewConsoleLines();
      QVERIFY2(console.value(0).startsWith(c.header), qPrintable(console.value(0)));
      QVERIFY(console.value(0).size() > c.header.size());  // the PC's date and time
      QCOMPARE(console.mid(1), c.memoLines);
    }
  }

  void statusOfAnotherVariantAndARefusedPoll() {
    sim::DetectorOptions loop;
    loop.variant = sim::Variant::LoopBased;
    DetectorWindow w(loop);
    QVERIFY(w.Connect());
    auto& f = w.form();
    w.Click("btnTestSensor1");
    QCOMPARE(f.memSensor1Info->Lines(), (QStringList{"", "active"}));

    w.NewConsoleLines();
    w.detector().InjectFault({sim::FaultKind::Refuse, kPollSensor, 1});
    w.Click("btnPollSensor1");
    QCOMPARE(f.memSensor1Info->Lines(), QStringList{"TKV communication error"});
    QCOMPARE(w.NewConsoleLines(), QStringList{Refused()});
  }

  void autoPollPollsBothSensorsUntilUntickedOrDisconnected() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    auto& f = w.form();
    w.detector().ClearRequestLog();
    f.cboAutoPoll->setChecked(true);
    QTRY_VERIFY(Requests(w, kPollSensor).size() >= 4);
    f.cboAutoPoll->setChecked(false);
    QVERIFY(!f.tmrAutoPoll->isActive());
    const std::vector<Bytes> polls = Requests(w, kPollSensor);
    for (size_t i = 0; i < polls.size(); ++i)
      QCOMPARE(Params(polls[i]), (Bytes{static_cast<uint8_t>(i % 2), 1, 1, 0, 1}));
    const QStringList console = w.NewConsoleLines();
    QVERIFY(console.filter(QRegularExpression("^--- POLL --- 1 --- ")).size() >= 2);
    QVERIFY(console.filter(QRegularExpression("^--- POLL --- 2 --- ")).size() >= 2);
    QTest::qWait(100);
    QCOMPARE(Requests(w, kPollSensor).size(), polls.size());

    f.cboAutoPoll->setChecked(true);
    w.Click("Button2");
    w.NewConsoleLines();
    QTRY_VERIFY(!f.cboAutoPoll->isChecked());
    QVERIFY(!f.tmrAutoPoll->isActive());
    QCOMPARE(w.NewConsoleLines(), QStringList{">>Not connected!"});
  }

  void intervalThatIsNoPositiveNumberStartsNoMonitor() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    auto& f = w.form();
    struct Monitor {
      QCheckBox* box;
      QLineEdit* interval;
      QTimer* timer;
    };
    const Monitor monitors[] = {{f.cboAutoPoll, f.edtAutoPoll, f.tmrAutoPoll},
                                {f.cboAD, f.edtADMeasInt, f.tmrAD}};
    for (const Monitor& m : monitors) {
      for (const char* text : {"1OOO", "", "0", "-5"}) {
        w.dialogs().messages.clear();
        m.interval->setText(QString::fromLatin1(text));
        m.box->click();
        QCOMPARE(w.dialogs().messages.size(), size_t{1});
        QCOMPARE(w.dialogs().messages[0].kind, MessageKind::Error);
        QVERIFY(!m.box->isChecked());
        QVERIFY(!m.timer->isActive());
      }
    }
    QVERIFY(f.memAD->Lines().isEmpty());
  }

  void analogueMonitorWritesTheChannelThroughAFailedRead() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    auto& f = w.form();
    f.rgAD->SetItemIndex(7);  // POWER1
    const int power1 = w.detector().WithModel([](sim::DeviceModel& m) {
      return m.peripherals().Analogue(sim::kPower1Ad, m.live(), m.channels());
    });
    w.NewConsoleLines();
    w.detector().ClearRequestLog();
    w.detector().InjectFault({sim::FaultKind::Refuse, kReadAdc, 1});
    f.cboAD->setChecked(true);
    QTRY_VERIFY(f.memAD->Lines().size() >= 4);
    f.cboAD->setChecked(false);
    QVERIFY(!f.tmrAD->isActive());
    const QStringList lines = f.memAD->Lines();
    QCOMPARE(lines.mid(0, 2), (QStringList{"", "ERROR"}));
    for (const QString& line : lines.mid(2)) QCOMPARE(line, QString::number(power1));
    const std::vector<Bytes> reads = Requests(w, kReadAdc);
    QCOMPARE(reads.size(), static_cast<size_t>(lines.size() - 1));
    for (const Bytes& r : reads) QCOMPARE(r[3], uint8_t{7});
    QVERIFY(w.NewConsoleLines().isEmpty());
    w.Click("btnClearADmemo");
    QVERIFY(f.memAD->Lines().isEmpty());
  }

  void allRedThenADoubleClickedGreenLed() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    auto& f = w.form();
    w.NewConsoleLines();
    const uint64_t before = w.detector().RequestCount();
    f.LastActionOk = 0;
    w.Click("Button29");  // All R
    QCOMPARE(f.LastActionOk, 1);
    QCOMPARE(w.detector().RequestCount(), before);  // nothing sent yet

    f.LastActionOk = 0;
    w.Click("btnUpdateSRLED");
    QCOMPARE(w.NewConsoleLines(), QStringList{">>LEDs updated!"});
    QCOMPARE(f.LastActionOk, 1);
    const Bytes request = w.detector().LastRequest(kSetLeds);
    QCOMPARE(request[3], uint8_t{1});
    QCOMPARE(DataLength(request), 90);
    Bytes allRed(45, 1);
    allRed.resize(90, 0);
    QCOMPARE(SentLedFrame(w), allRed);

    f.cbLed[3]->setCurrentIndex(1);  // green
    QTest::mouseDClick(f.cbLed[7], Qt::LeftButton);
    QCOMPARE(f.cbLed[7]->Images(), f.ImageList2);
    w.Click("btnUpdateSRLED");
    Bytes expected = allRed;
    expected[3] = 2;
    expected[45 + 7] = 2;
    QCOMPARE(SentLedFrame(w), expected);
    w.detector().WithModel([&](sim::DeviceModel& m) {
      QVERIFY(m.leds().forced());
      QCOMPARE(Bytes(m.leds().frame().begin(), m.leds().frame().end()), expected);
    });

    QTest::mouseDClick(f.cbLed[7], Qt::LeftButton);
    QCOMPARE(f.cbLed[7]->Images(), f.ImageList1);
    w.Click("Button30");  // All Y
    w.Click("btnUpdateSRLED");
    Bytes allYellow(45, 3);
    allYellow.resize(90, 0);
    QCOMPARE(SentLedFrame(w), allYellow);
  }

  void clearNormalAndARefusedUpdate() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    auto& f = w.form();
    for (LedSelector* led : f.cbLed) {
      QCOMPARE(led->currentIndex(), 0);
      QCOMPARE(led->Images(), f.ImageList1);
    }
    w.Click("btnAllG");
    QTest::mouseDClick(f.cbLed[44], Qt::LeftButton);
    w.Click("btnClearSRLED");
    w.Click("btnUpdateSRLED");
    QCOMPARE(SentLedFrame(w), Bytes(90, 0));

    w.NewConsoleLines();
    w.Click("btnNormalSRLED");
    QCOMPARE(w.NewConsoleLines(), QStringList{">>Normal LED executed!"});
    const Bytes normal = w.detector().LastRequest(kSetLeds);
    QCOMPARE(normal[3], uint8_t{0});
    QCOMPARE(DataLength(normal), 0);
    QVERIFY(!w.detector().WithModel([](sim::DeviceModel& m) { return m.leds().forced(); }));

    w.Click("btnAllG");
    f.LastActionOk = 0;
    w.detector().InjectFault({sim::FaultKind::Refuse, kSetLeds, 1});
    w.Click("btnUpdateSRLED");
    QCOMPARE(w.NewConsoleLines(), QStringList{Refused()});
    QCOMPARE(f.LastActionOk, 0);
    QCOMPARE(f.cbLed[0]->currentIndex(), 1);  // the selectors keep their pattern
  }

  void notConnected() {
    DetectorWindow w;
    auto& f = w.form();
    const QStringList notConnected{">>Not connected!"};
    f.memSensor1Info->AddLines(QStringLiteral("kept"));
    for (const char* button :
         {"btnPollSensor1", "btnTestSensor2", "btnUpdateSRLED", "btnNormalSRLED"}) {
      w.Click(button);
      QCOMPARE(w.NewConsoleLines(), notConnected);
    }
    QCOMPARE(f.memSensor1Info->Lines(), QStringList{"kept"});
    f.cboAD->setChecked(true);
    QTRY_VERIFY(!f.cboAD->isChecked());
    QVERIFY(!f.tmrAD->isActive());
    QCOMPARE(w.NewConsoleLines(), notConnected);
    QCOMPARE(f.memAD->Lines(), QStringList{""});
    QCOMPARE(w.detector().RequestCount(), uint64_t{0});
  }
};

QTEST_MAIN(Admin2PageTest)
#include "Admin2PageTest.moc"
