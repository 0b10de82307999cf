// The time scale that lets tests run long procedures quickly.
#include <QtTest>

#include "Pacing.h"

class PacingTest : public QObject {
  Q_OBJECT
 private slots:
  void intervalsFollowTheScale() {
    Pacing pacing;
    QCOMPARE(pacing.Interval(30000), 30000);
    pacing.SetScale(0.05);
    QCOMPARE(pacing.Interval(100), 5);
    QCOMPARE(pacing.Interval(1), 1);  // a timer never gets 0 and spins
    QCOMPARE(pacing.Interval(0), 0);
  }

  void pumpedWaitLetsEventsThrough() {
    Pacing pacing;
    pacing.SetScale(0.01);
    bool delivered = false;
    QTimer::singleShot(0, [&] { delivered = true; });
    pacing.PumpedWait(1000);
    QVERIFY(delivered);
  }
};

QTEST_MAIN(PacingTest)
#include "PacingTest.moc"
