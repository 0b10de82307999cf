// SET TREND LOG on the real window: the interval travels through the EEPROM
// page's grid to byte 293, and Connect only shows it.
#include <QLineEdit>
#include <QtTest>

#include "DetectorWindow.h"

namespace {

// Command code and, for memory commands, the first address of each request.
QStringList Wire(DetectorWindow& w) {
  QStringList out;
  for (const std::vector<uint8_t>& r : w.detector().RequestLog())
    out << (r[0] == 3 || r[0] == 4 ? QStringLiteral("%1@%2").arg(r[0]).arg(r[3] | r[4] << 8)
                                   : QString::number(r[0]));
  return out;
}

uint8_t DeviceByte(DetectorWindow& w, int address) {
  return w.detector().WithModel([=](sim::DeviceModel& m) { return m.Eeprom(address); });
}

}  // namespace

class TrendLogTest : public QObject {
  Q_OBJECT
 private slots:
  void connectShowsTheStoredIntervalAndWritesNothing() {
    DetectorWindow w;
    w.detector().WithModel([](sim::DeviceModel& m) {
      m.SetEeprom(293, 45);
      m.SealChecksums();
    });
    QVERIFY(w.Connect());
    QCOMPARE(w.form().edtTrendLog->text(), QStringLiteral("45"));
    for (const std::vector<uint8_t>& r : w.detector().RequestLog()) QVERIFY(r[0] != 4);
  }

  void aValidIntervalIsWrittenInOrder() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.detector().ClearRequestLog();
    w.form().edtTrendLog->setText(QStringLiteral("240"));
    w.Click("btnTrendLog");
    // Grid read, write and read-back of the three ranges, then the firmware refresh.
    QCOMPARE(Wire(w), (QStringList{"3@0", "4@0", "3@0", "4@256", "3@256", "4@276", "3@276", "7"}));
    QCOMPARE(DeviceByte(w, 293), 240);
    QVERIFY(w.detector().WithModel(
        [](sim::DeviceModel& m) { return m.AreaValid(memory::kConfigArea); }));
    QVERIFY(w.dialogs().questions.isEmpty());
  }

  void anIncorrectValueOnlyWarns() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    for (const char* text : {"241", ""}) {
      w.dialogs().messages.clear();
      w.detector().ClearRequestLog();
      w.form().edtTrendLog->setText(QString::fromLatin1(text));
      w.Click("btnTrendLog");
      QCOMPARE(w.dialogs().messages.size(), size_t{1});
      QCOMPARE(w.dialogs().messages[0].kind, MessageKind::Warning);
      QCOMPARE(w.dialogs().messages[0].text, QStringLiteral("Incorrect value!"));
      QCOMPARE(Wire(w), QStringList{"3@0"});
    }
  }

  // The grid was never filled: writing it would put zeros into the detector.
  void aFailedReadWritesNothing() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.detector().InjectFault({sim::FaultKind::Refuse, 3, 1});
    w.detector().ClearRequestLog();
    w.form().edtTrendLog->setText(QStringLiteral("30"));
    w.Click("btnTrendLog");
    QCOMPARE(Wire(w), QStringList{"3@0"});
    QVERIFY(w.NewConsoleLines().last().startsWith(">>TKV Error [20]"));
  }
};

QTEST_MAIN(TrendLogTest)
#include "TrendLogTest.moc"
