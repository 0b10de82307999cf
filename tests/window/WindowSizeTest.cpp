// Ctrl+Shift+E grows the window at its top-left corner and shrinks it back
// there; a grown window that would leave the screen moves just enough to fit.
#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryFile>
#include <QtTest>

#include "FrmTestTKVU.h"

namespace {
// Larger than the grown window, so that where it lands is the window's own doing.
constexpr QRect kScreen(0, 0, 1600, 1000);

void PressCtrlShiftE(TFrmTestTKV& form) {
  QTest::keyClick(form.Edit1, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
}
}  // namespace

class WindowSizeTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), kScreen); }

  void init() {
    form_ = std::make_unique<TFrmTestTKV>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    form_->Edit1->setFocus();
  }
  void cleanup() { form_.reset(); }

  void growsAtItsCornerAndShrinksBackToTheSamePlace_data() {
    QTest::addColumn<QPoint>("start");    // the small window's frame
    QTest::addColumn<QPoint>("grownAt");  // the grown window's frame; -1: its edge on the screen's
    QTest::newRow("room to grow") << QPoint(100, 50) << QPoint(100, 50);
    QTest::newRow("screen corner") << kScreen.topLeft() << kScreen.topLeft();
    QTest::newRow("near the right edge") << QPoint(1200, 50) << QPoint(-1, 50);
    QTest::newRow("near the bottom") << QPoint(100, 600) << QPoint(100, -1);
    QTest::newRow("bottom-right corner") << QPoint(1060, 680) << QPoint(-1, -1);
  }
  void growsAtItsCornerAndShrinksBackToTheSamePlace() {
    QFETCH(QPoint, start);
    QFETCH(QPoint, grownAt);
    TFrmTestTKV& form = *form_;
    form.move(start);
    QTRY_COMPARE(form.frameGeometry().topLeft(), start);
    const QRect small = form.frameGeometry();

    PressCtrlShiftE(form);
    QVERIFY(form.EngineeringPagesShown());
    const QRect grown = form.frameGeometry();
    QCOMPARE(form.size(), QSize(1148, 768));
    QVERIFY2(kScreen.contains(grown), "the grown window stays on the screen");
    QCOMPARE(grown.left(), grownAt.x() < 0 ? kScreen.right() - grown.width() + 1 : grownAt.x());
    QCOMPARE(grown.top(), grownAt.y() < 0 ? kScreen.bottom() - grown.height() + 1 : grownAt.y());

    PressCtrlShiftE(form);
    QVERIFY(!form.EngineeringPagesShown());
    QCOMPARE(form.frameGeometry(), small);
  }

  void movedWhileGrownShrinksAtItsNewCorner() {
    TFrmTestTKV& form = *form_;
    form.move(1060, 680);
    PressCtrlShiftE(form);
    form.move(200, 100);
    QTRY_COMPARE(form.frameGeometry().topLeft(), QPoint(200, 100));
    PressCtrlShiftE(form);
    QCOMPARE(form.frameGeometry().topLeft(), QPoint(200, 100));
    QCOMPARE(form.size(), QSize(531, 315));
  }

 private:
  std::unique_ptr<TFrmTestTKV> form_;
};

int main(int argc, char** argv) {
  QTemporaryFile screens;
  if (!screens.open()) return 1;
  screens.write(QStringLiteral(R"({"screens": [{"name": "test", "x": %1, "y": %2, "width": %3, "height": %4}]})")
                    .arg(kScreen.x())
                    .arg(kScreen.y())
                    .arg(kScreen.width())
                    .arg(kScreen.height())
                    .toUtf8());
  screens.flush();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
  QApplication application(argc, argv);
  WindowSizeTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "WindowSizeTest.moc"
