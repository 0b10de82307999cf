// The Management page's actions on the real window against the simulated
// detector: what each button sends, and the one line it prints.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

#include "DetectorWindow.h"

namespace {

// Code, P1 and P2 of the newest request.
QList<int> LastSent(DetectorWindow& w) {
  const std::vector<uint8_t> r = w.detector().LastRequest();
  return r.empty() ? QList<int>{} : QList<int>{r[0], r[3], r[4]};
}

QString TkvError(int code, const char* text) {
  return QStringLiteral(">>TKV Error [%1] %2").arg(code).arg(QLatin1String(text));
}

}  // namespace

class ManagementPageTest : public QObject {
  Q_OBJECT
 private slots:
  void clockWriteValidatesTheDateAndReadShowsTwoDigitFields() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    auto& f = w.form();
    struct Case {
      const char* text;
      QString line;
    };
    const Case cases[] = {
        {"31/04/24 10:00:00", TkvError(13, "bad library function call")},
        {"29/02/24 09:05:07", QStringLiteral(">>Device clock set!")},
    };
    for (const Case& c : cases) {
      w.NewConsoleLines();
      f.LastActionOk = 0;
      f.edtSetTime->setText(QString::fromLatin1(c.text));
      w.Click("Button23");
      QCOMPARE(w.NewConsoleLines(), QStringList{c.line});
      QCOMPARE(f.LastActionOk, c.line.startsWith(">>Device") ? 1 : 0);
    }
    f.LastActionOk = 0;
    w.Click("Button24");
    QCOMPARE(w.NewConsoleLines(), QStringList{">>Device clock read!"});
    QVERIFY2(f.edtGetTime->text().startsWith("29/02/24 09:05:0"), qPrintable(f.edtGetTime->text()));
    QCOMPARE(f.edtGetTime->text().size(), 17);
    QCOMPARE(f.LastActionOk, 1);
  }

  void clockTextThatIsNoNumberSendsNothing() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.NewConsoleLines();
    const uint64_t before = w.detector().RequestCount();
    w.form().edtSetTime->setText(QStringLiteral("01/xx/24 00:00:00"));
    w.Click("Button23");
    QCOMPARE(w.detector().RequestCount(), before);
    QCOMPARE(w.dialogs().messages.size(), size_t{1});
    QVERIFY(w.NewConsoleLines().isEmpty());
  }

  void relayButtonsMapCaptionsToStatesAndTagsToRelays() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    struct Relay {
      const char* on;
      const char* off;
      int number;
    };
    const Relay relays[] = {{"btnAlarm1Relay", "Button7", 1}, {"Button9", "Button10", 2},
                            {"Button11", "Button12", 3},      {"Button13", "Button14", 4},
                            {"Button19", "Button20", 5},      {"Button15", "Button16", 6},
                            {"Button17", "Button18", 7},      {"Button21", "Button22", 8}};
    for (const Relay& r : relays) {
      for (int state : {1, 0}) {
        const char* name = state ? r.on : r.off;
        w.NewConsoleLines();
        w.form().LastActionOk = 0;
        w.Click(name);
        QCOMPARE(LastSent(w), (QList<int>{33, r.number, state}));
        QCOMPARE(w.NewConsoleLines(),
                 QStringList{state ? QStringLiteral(">>Relay: ON") : QStringLiteral(">>Relay: OFF")});
        QCOMPARE(w.form().LastActionOk, 1);
      }
    }
  }

  void prealarmRelayOnALoopBasedUnitPrintsOnlyTheError() {
    sim::DetectorOptions loop;
    loop.variant = sim::Variant::LoopBased;
    DetectorWindow w(loop);
    QVERIFY(w.Connect());
    w.NewConsoleLines();
    w.Click("Button15");
    QCOMPARE(w.NewConsoleLines(), QStringList{TkvError(13, "bad library function call")});
  }

  void fanTestsSendTheTrackBarPosition() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    auto& f = w.form();
    f.tbFan1->setValue(7);
    QCOMPARE(f.lblTestFan1->text(), QStringLiteral("7"));
    f.tbFan1->setValue(0);
    QCOMPARE(f.lblTestFan1->text(), QStringLiteral("0"));
    f.tbFan2->setValue(4);
    QCOMPARE(f.lblTestFan2->text(), QStringLiteral("4"));
    w.NewConsoleLines();
    w.Click("btnTestFan1");
    QCOMPARE(LastSent(w), (QList<int>{27, 0, 11}));
    w.Click("btnTestFan2");
    QCOMPARE(LastSent(w), (QList<int>{27, 11, 4}));
    QCOMPARE(w.NewConsoleLines(), (QStringList{">>Test Fan: 1", ">>Test Fan: 2"}));
  }

  void channelTestsAndSoundersOffWithAndWithoutTheirButtons() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    auto& f = w.form();
    struct Case {
      void (TFrmTestTKV::*handler)(QObject*);
      QObject* sender;
      int action;
      const char* line;
    };
    const Case cases[] = {
        {&TFrmTestTKV::btnTestCh1Click, f.btnTestCh1, 0, ">>Test channel: 1"},
        {&TFrmTestTKV::btnTestCh1Click, f.btnTestCh2, 1, ">>Test channel: 2"},
        {&TFrmTestTKV::btnTestCh1Click, f.Button8, 2, ">>Test channel: 1 and 2"},
        {&TFrmTestTKV::btnTestCh1Click, nullptr, 2, ">>Test channel: 1 and 2"},
        {&TFrmTestTKV::btnSndOff1Click, f.btnSndOff1, 4, ">>Sounder off: 1"},
        {&TFrmTestTKV::btnSndOff1Click, f.btnSndOff2, 5, ">>Sounder off: 2"},
        {&TFrmTestTKV::btnSndOff1Click, f.Button163, 6, ">>Sounder off: 1 and 2"},
        {&TFrmTestTKV::btnSndOff1Click, nullptr, 6, ">>Sounder off: 1 and 2"},
    };
    for (const Case& c : cases) {
      w.NewConsoleLines();
      (f.*c.handler)(c.sender);
      QCOMPARE(LastSent(w), (QList<int>{34, c.action, 0}));
      QCOMPARE(w.NewConsoleLines(), QStringList{QString::fromLatin1(c.line)});
    }
  }

  void restartsAndOperatingHours() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    struct Case {
      const char* button;
      QList<int> sent;
      const char* line;
    };
    const Case cases[] = {{"btnRestartNorm", {29, 0, 0}, ">>Restart ASD: normal"},
                          {"btnRestartMaint", {29, 1, 0}, ">>Restart ASD: maintenance"},
                          {"Button6", {23, 0, 0}, ">>Operating hours cleared"}};
    for (const Case& c : cases) {
      w.NewConsoleLines();
      w.Click(c.button);
      QCOMPARE(LastSent(w), c.sent);
      QCOMPARE(w.NewConsoleLines(), QStringList{QString::fromLatin1(c.line)});
    }
  }

  void extendedCommand1DumpsThreeDigitValuesTwentyFourToALine() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.detector().WithModel([](sim::DeviceModel& m) {
      for (int i = 0; i < 1024; ++i) m.info()[static_cast<size_t>(i)] = static_cast<uint8_t>(i % 256);
    });
    w.NewConsoleLines();
    w.Click("Button36");
    const QStringList lines = w.NewConsoleLines();
    QCOMPARE(lines.size(), 43);
    for (int i = 0; i < 42; ++i) QCOMPARE(lines[i].split(' ', Qt::SkipEmptyParts).size(), 24);
    QCOMPARE(lines[0].left(12), QStringLiteral("000 001 002 "));
    QCOMPARE(lines[42].split(' ', Qt::SkipEmptyParts).size(), 16);
    QVERIFY(lines[42].endsWith(QStringLiteral("255 ")));
  }

  void everyActionNeedsAConnection() {
    DetectorWindow w;
    for (const char* button : {"Button23", "Button24", "Button6", "btnRestartNorm", "Button9",
                               "btnTestFan1", "btnTestCh1", "btnSndOff2", "Button36"}) {
      w.NewConsoleLines();
      w.Click(button);
      QCOMPARE(w.NewConsoleLines(), QStringList{">>Not connected!"});
    }
  }
};

QTEST_MAIN(ManagementPageTest)
#include "ManagementPageTest.moc"
