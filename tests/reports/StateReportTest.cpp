// "Get State" on the real window, with state answers crafted in the simulated detector.
#include <QCheckBox>
#include <QTimer>
#include <QtTest>

#include "DetectorWindow.h"

namespace {
void AnswerState(DetectorWindow& w, const sim::LiveState& live, std::array<uint8_t, 4> hours) {
  w.detector().WithModel(
      [&](sim::DeviceModel& m) { m.SetState(sim::EncodeState(live, hours.data())); });
}

sim::DetectorOptions Kind(sim::Variant variant, int channels = 2) {
  sim::DetectorOptions options;
  options.variant = variant;
  options.channels = channels;
  return options;
}
}  // namespace

class StateReportTest : public QObject {
  Q_OBJECT
 private slots:
  void standAloneReport() {
    DetectorWindow w(Kind(sim::Variant::StandAlone));
    QVERIFY(w.Connect());
    sim::LiveState s;
    s.asdFault = 2;
    for (int code : {137, 104, 110, 102, 101}) s.flags[static_cast<size_t>(code - 100)] = 1;
    s.supply[0] = 140;
    s.internalTemperature = 147;
    s.externalInput = 1;
    s.relays[1] = s.relays[5] = s.relays[6] = 1;
    s.relays[0] = 1;  // never reported
    s.channel[0] = {1, 1, 2, 1, 0, 7, 150, 14};
    AnswerState(w, s, {0, 1, 0, 0});
    w.form().LastActionOk = 0;
    w.Click("btnState");
    QCOMPARE(w.State(), (QStringList{
                            " ASD in fault          :delay",
                            " ASD in auxiliary fault:N",
                            " fault 002 (eeprom ko )",
                            " fault 022 (flow 2 hi )",
                            " fault 023 (high power)",
                            " alert 001 (lb data ko)",
                            " alert 016 (LED pcb ko)",
                            " Power 1               :24000",
                            " Power 2               :undefined",
                            " Internal temperature  :23.5",
                            " External input        :short",
                            " Operating hours       :128",
                            " Relay ALARM 1         :set",
                            " Relay ALARM 2         :reset",
                            " Relay PREALARM 1      :set",
                            " Relay PREALARM 2      :reset",
                            " Relay SOUNDER 1       :reset",
                            " Relay SOUNDER 2       :reset",
                            " Relay FAULT           :set",
                            " Relay AUXILIART FAULT :reset",
                            " ",
                            ">>CHANNEL 1 ----------",
                            " Channel is enabled    :Y",
                            " Sensor  is enabled    :Y",
                            " Last poll             :smoke level 4",
                            " Channel is in alarm   :delay",
                            " Channel is in prealarm:Y",
                            " Flow                  :undefined",
                            " Fan speed             :7",
                            " Flow temperature      :25",
                            " ",
                            ">>CHANNEL 2 ----------",
                            " Channel is enabled    :N",
                            " Sensor  is enabled    :N",
                        }));
    QCOMPARE(w.form().LastActionOk, 1);
  }

  // One channel, no faults, an invalid loop address and an operating-hours
  // count beyond the signed 32-bit range.
  void loopBasedReport() {
    DetectorWindow w(Kind(sim::Variant::LoopBased, 1));
    QVERIFY(w.Connect());
    sim::LiveState s;
    s.asdAuxFault = 1;
    s.supply[0] = 1;
    s.supply[1] = 255;
    s.internalTemperature = 100;
    s.loopAddress = 255;
    s.channel[0] = {1, 1, 0, 1, 87, 5, 1, 1};
    s.channel[1] = {1, 0, 1, 0, 255, 0, 0, 0};
    AnswerState(w, s, {0, 0, 0, 200});
    w.Click("btnState");
    QCOMPARE(w.State(), (QStringList{
                            " ASD in fault          :N",
                            " ASD in auxiliary fault:Y",
                            " Power 1               :10100",
                            " Power 2               :35500",
                            " Internal temperature  :0",
                            " Loop Address          :invalid",
                            " External input        :open",
                            " Operating hours       :1677721600",
                            " Relay ALARM 1         :reset",
                            " Relay ALARM 2         :reset",
                            " Relay PREALARM 1      :reset",
                            " Relay PREALARM 2      :reset",
                            " Relay SOUNDER 1       :reset",
                            " Relay SOUNDER 2       :reset",
                            " Relay FAULT           :reset",
                            " Relay AUXILIART FAULT :reset",
                            " ",
                            ">>CHANNEL 1 ----------",
                            " Channel is enabled    :Y",
                            " Sensor  is enabled    :Y",
                            " Sensor Remote Output  :ON",
                            " Channel is in alarm   :N",
                            " Flow                  :87",
                            " Fan speed             :5",
                            " Flow temperature      :-49.5",
                            " ",
                            ">>CHANNEL 2 ----------",
                            " Channel is enabled    :Y",
                            " Sensor  is enabled    :N",
                            " Channel is in alarm   :Y",
                            " Flow                  :255",
                            " Fan speed             :0",
                            " Flow temperature      :undefined",
                        }));
  }

  void sensorLineAndLoopAddressByVariant_data() {
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("output");
    QTest::addColumn<QString>("sensorLine");
    QTest::addColumn<QString>("loopLine");
    QTest::newRow("loop based off") << 2 << 0 << " Sensor Remote Output  :OFF" << " Loop Address          :17";
    QTest::newRow("quib on") << 4 << 1 << " Sensor Remote Output  :ON" << "";
    QTest::newRow("zandt active") << 3 << 1 << " Sensor Base relay     :active" << "";
    QTest::newRow("zandt not active") << 3 << 2 << " Sensor Base relay     :not active" << "";
    QTest::newRow("stand alone") << 1 << 15 << " Last poll             :smoke level 5" << "";
  }
  void sensorLineAndLoopAddressByVariant() {
    QFETCH(int, variant);
    QFETCH(int, output);
    QFETCH(QString, sensorLine);
    QFETCH(QString, loopLine);
    DetectorWindow w(Kind(static_cast<sim::Variant>(variant)));
    QVERIFY(w.Connect());
    sim::LiveState s;
    s.loopAddress = 17;
    s.channel[0] = {0, 1, 0, 0, 0, 0, 0, static_cast<uint8_t>(output)};
    AnswerState(w, s, {});
    w.Click("btnState");
    const QStringList state = w.State();
    const int heading = state.indexOf(">>CHANNEL 1 ----------");
    QCOMPARE(state.value(heading + 3), sensorLine);
    QCOMPARE(state.value(heading + 4), QStringLiteral(" "));  // disabled channel: the next block follows
    const QStringList loop = state.filter("Loop Address");
    QCOMPARE(loop.value(0), loopLine);
  }

  void refusedStateLeavesThePanel() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.Click("Button4");
    const QStringList before = w.State();
    w.NewConsoleLines();
    w.detector().InjectFault({sim::FaultKind::Refuse, 30});
    w.form().LastActionOk = 0;
    w.Click("btnState");
    QCOMPARE(w.NewConsoleLines(), QStringList{">>TKV Error [11] impossible to read device state"});
    QCOMPARE(w.State(), before);
    QCOMPARE(w.form().LastActionOk, 0);
  }

  void notConnected() {
    DetectorWindow w;
    w.form().StateLine("kept");
    w.Click("btnState");
    QCOMPARE(w.Console(), QStringList{">>Not connected!"});
    QCOMPARE(w.State(), QStringList{"kept"});
  }

  void goPollsTheStateUntilUnticked() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.form().cboState->setChecked(true);
    QVERIFY(w.form().tmrState->isActive());
    QCOMPARE(w.form().tmrState->interval(), w.form().pacing().Interval(100));
    QTRY_VERIFY(w.State().value(0).startsWith(" ASD in fault          :"));
    const uint64_t before = w.detector().RequestCount();
    QTRY_VERIFY(w.detector().RequestCount() >= before + 2);  // it keeps asking
    w.form().cboState->setChecked(false);
    QVERIFY(!w.form().tmrState->isActive());
  }

  void goWithoutConnectionSaysSoOnceAndUnticks() {
    DetectorWindow w;
    w.form().cboState->setChecked(true);
    QTRY_VERIFY(!w.form().cboState->isChecked());
    QVERIFY(!w.form().tmrState->isActive());
    QTest::qWait(3 * w.form().pacing().Interval(100));
    QCOMPARE(w.Console(), QStringList{">>Not connected!"});
  }
};

QTEST_MAIN(StateReportTest)
#include "StateReportTest.moc"
