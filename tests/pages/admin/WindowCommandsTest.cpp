// RESET DEVICE and set RAM on the real window against the simulated detector.
#include <QLineEdit>
#include <QtTest>

#include "DetectorWindow.h"

class WindowCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void resetDevice() {
    DetectorWindow w;
    w.Click("btnres");
    QCOMPARE(w.NewConsoleLines(), QStringList{">>Not connected!"});
    QVERIFY(w.Connect());
    w.NewConsoleLines();
    w.Click("btnres");
    QCOMPARE(w.detector().LastRequest()[3], uint8_t{3});
    w.detector().InjectFault({sim::FaultKind::Refuse, 34, 1});
    w.Click("btnres");
    QCOMPARE(w.NewConsoleLines(),
             (QStringList{">>ASD reset", ">>TKV Error [8] device doesn't acknowledge to command"}));
  }

  void setRamSendsTheAddressLeastSignificantByteFirst() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.NewConsoleLines();
    w.form().edtReadRAM->setText(QStringLiteral("16725944"));
    w.form().edtRamValue->setText(QStringLiteral("7"));
    w.Click("btnSetRam");
    const std::vector<uint8_t> sent = w.detector().LastRequest(36);
    QCOMPARE((std::vector<uint8_t>(sent.begin() + 3, sent.begin() + 9)),
             (std::vector<uint8_t>{7, 184, 55, 255, 0, 7}));
    QCOMPARE(w.NewConsoleLines(), QStringList{"RAM:16725944<--7"});
    QCOMPARE(w.detector().WithModel([](sim::DeviceModel& m) { return m.Ram(16725944); }), 7);
  }

  void setRamWithLettersSendsNothing() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.NewConsoleLines();
    const uint64_t before = w.detector().RequestCount();
    w.form().edtReadRAM->setText(QStringLiteral("12"));
    w.form().edtRamValue->setText(QStringLiteral("x"));
    w.Click("btnSetRam");
    QCOMPARE(w.detector().RequestCount(), before);
    QCOMPARE(w.dialogs().messages.size(), size_t{1});
    QVERIFY(w.NewConsoleLines().isEmpty());
  }
};

QTEST_MAIN(WindowCommandsTest)
#include "WindowCommandsTest.moc"
