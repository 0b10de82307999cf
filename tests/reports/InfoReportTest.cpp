// "Information" on the real window against the simulated detector.
#include <QtTest>

#include "DetectorWindow.h"

namespace {
sim::DetectorOptions Kind(sim::Variant variant) {
  sim::DetectorOptions options;
  options.variant = variant;
  return options;
}

// Every identity byte different, so that a getter read into the wrong line shows.
void StampDistinctIdentity(sim::SimulatedDetector& detector) {
  detector.WithModel([](sim::DeviceModel& m) {
    for (int address = 256; address <= 274; ++address)
      if (address != 259) m.SetEeprom(address, static_cast<uint8_t>(address - 236));  // 20..38
    m.SealChecksums();
  });
}
}  // namespace

class InfoReportTest : public QObject {
  Q_OBJECT
 private slots:
  void normalDetector() {
    DetectorWindow w(Kind(sim::Variant::StandAlone));
    StampDistinctIdentity(w.detector());
    QVERIFY(w.Connect());
    w.Click("Button4");
    QCOMPARE(w.State(), (QStringList{
                            "ASD is connected       :Y",
                            "Super User             :N",
                            "ASD will restart       :N",
                            "E2P read               :Y",
                            "E2P factory ok         :Y",
                            "E2P config  ok         :Y",
                            "E2P loopbased ok       :Y",
                            "WRONG CONFIGURATION?   :N",
                            "Variant                :stand alone",
                            "Num. of channels       :21",
                            "Num. of sensors        :20",
                            "TKV id                 :22",
                            "Serial num. #1         :24",
                            "Serial num. #2         :25",
                            "Serial num. #3         :26",
                            "Serial num. #4         :27",
                            "Params schema ID       :28",
                            "FW major version       :29",
                            "FW minor version       :37",
                            "FW build version       :38",
                            "HW version             :30",
                            "MC version             :31",
                            "Manif. date DAY        :32",
                            "Manif. date MON        :33",
                            "Manif. date YEA        :34",
                            "Manif. date HOU        :35",
                            "Manif. date MIN        :36",
                        }));
    QCOMPARE(w.Console().size(), 3);  // the connection lines only
  }

  void variantText_data() {
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("text");
    QTest::newRow("1") << 1 << "stand alone";
    QTest::newRow("2") << 2 << "loop based";
    QTest::newRow("3") << 3 << "zandt";
    QTest::newRow("4") << 4 << "quib";
  }
  void variantText() {
    QFETCH(int, variant);
    QFETCH(QString, text);
    DetectorWindow w(Kind(static_cast<sim::Variant>(variant)));
    QVERIFY(w.Connect());
    w.Click("Button4");
    QCOMPARE(w.State().value(8), "Variant                :" + text);
  }

  void restartText_data() {
    QTest::addColumn<int>("pending");
    QTest::addColumn<bool>("maintenance");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << 0 << false << false << "N";
    QTest::newRow("normal") << 1 << false << false << "Y (normal)";
    QTest::newRow("maintenance") << 1 << true << false << "Y (maintenance)";
    // A failed query is no evidence of a restart: the refused value is shown.
    QTest::newRow("query refused") << 1 << true << true << "-1";
  }
  void restartText() {
    QFETCH(int, pending);
    QFETCH(bool, maintenance);
    QFETCH(bool, refused);
    QFETCH(QString, text);
    sim::DetectorOptions options;
    options.restartPending = pending;
    options.restartToMaintenance = maintenance;
    DetectorWindow w(options);
    QVERIFY(w.Connect());
    if (refused) w.detector().InjectFault({sim::FaultKind::Refuse, 35});
    w.Click("Button4");
    QCOMPARE(w.State().value(2), "ASD will restart       :" + text);
    QCOMPARE(w.State().size(), 27);
  }

  void wrongConfigurationEndsAfterTheFlags() {
    sim::DetectorOptions options;
    options.wrongConfiguration = true;
    DetectorWindow w(options);
    QVERIFY(w.Connect());
    w.Click("Button4");
    QCOMPARE(w.State(), (QStringList{
                            "ASD is connected       :Y",
                            "Super User             :N",
                            "ASD will restart       :N",
                            "E2P read               :Y",
                            "E2P factory ok         :Y",
                            "E2P config  ok         :Y",
                            "E2P loopbased ok       :Y",
                            "WRONG CONFIGURATION?   :Y",
                        }));
  }

  void invalidFactoryAreaRefusesEveryIdentityValue() {
    sim::DetectorOptions options;
    options.badFactoryChecksum = true;
    DetectorWindow w(options);
    QVERIFY(w.Connect());
    w.Click("Button4");
    const QStringList state = w.State();
    QCOMPARE(state.size(), 27);
    QCOMPARE(state[4], QStringLiteral("E2P factory ok         :N"));
    QCOMPARE(state[8], QStringLiteral("Variant                :zandt"));
    for (int i = 9; i < state.size(); ++i) QVERIFY2(state[i].endsWith(":-1"), qPrintable(state[i]));
  }

  void notConnected() {
    DetectorWindow w;
    w.form().StateLine("kept");
    w.Click("Button4");
    QCOMPARE(w.Console(), QStringList{">>Not connected!"});
    QCOMPARE(w.State(), QStringList{"kept"});
  }
};

QTEST_MAIN(InfoReportTest)
#include "InfoReportTest.moc"
