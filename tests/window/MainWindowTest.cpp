// Start-up look of the window: its controls, the pages and the key that shows them.
#include <QAbstractButton>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

#include "ConsoleMemo.h"
#include "DetectorWindow.h"

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void fieldControls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");
    const auto row = [](const char* name, const char* caption, bool enabled) {
      QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption) << enabled;
    };
    row("Button1", "Connect", true);
    row("Button2", "Disconnect", false);
    row("btndiag", "EXECUTE DIAGNOSTIC", true);
    row("chkfulldiag", "FULL DIAGNOSTIC", true);
    row("chktestalarms", "TEST ALARMS", true);
    row("btnlog", "RETRIEVE LOG", true);
    row("btnres", "RESET DEVICE", true);
    row("btnabort", "ABORT", false);
    row("btnTrendLog", "SET TREND LOG", true);
    row("btnSetRam", "set RAM", true);
    row("Button4", "Information", true);
    row("btnState", "Get State", true);
    row("cboState", "GO!", true);
    row("btnReadLogs", "Read Logs", true);
    row("btnReadAllLogs", "Read All Logs", true);
    row("btnExportLog", "Export Logs", true);
    row("btnExportAllLogs", "Export All Logs", true);
    row("btnClearLog", "Clear Logs", true);
  }
  void fieldControls() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(bool, enabled);
    TFrmTestTKV form;
    auto* control = form.findChild<QAbstractButton*>(name);
    QVERIFY(control);
    QCOMPARE(control->text(), caption);
    QCOMPARE(control->isEnabled(), enabled);
  }

  void startUp() {
    TFrmTestTKV form;
    form.show();
    QCOMPARE(form.windowTitle(), QStringLiteral("VOREN XR diagnostic v1.3"));
    QCOMPARE(form.size(), QSize(531, 315));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QCOMPARE(form.findChild<QLineEdit*>("Edit1")->text(), QString());
    QCOMPARE(form.findChild<QLineEdit*>("edtTrendLog")->text(), QStringLiteral("0"));
    QVERIFY(form.findChild<QAbstractButton*>("btnShowLog")->isHidden());
    QVERIFY(form.memLog->isReadOnly());
    QCOMPARE(form.memLog->geometry(), QRect(200, 8, 321, 242));
    QVERIFY(form.findChild<QWidget*>("btnShowDevMan"));
    QVERIFY(form.Device == nullptr);
  }

  void engineeringPagesInOrderBelowTheClientArea() {
    TFrmTestTKV form;
    auto* pages = form.findChild<QTabWidget*>("PageControl1");
    QStringList captions;
    for (int i = 0; i < pages->count(); ++i) captions << pages->tabText(i);
    QCOMPARE(captions, (QStringList{"Management", "EEPROM", "Common parameters",
                                    "Variants parameters", "Admin #1", "Admin #2", "Admin #3",
                                    "Manual EOL", "Flow graph"}));
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(pages->geometry(), QRect(122, 348, 1018, 393));
    QVERIFY(!form.rect().intersects(pages->geometry()));
  }

  // Pressed on any control (key preview), Ctrl+Shift+E grows the window to
  // show the pages and shrinks it back.
  void shortcutShowsAndHidesThePages() {
    TFrmTestTKV form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.Edit1->setFocus();
    QTest::keyClick(form.Edit1, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(form.EngineeringPagesShown());
    QVERIFY(form.rect().contains(form.PageControl1->geometry()));
    QCOMPARE(form.Edit1->text(), QString());  // the key went no further
    QTest::keyClick(form.Edit1, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(!form.EngineeringPagesShown());
    QCOMPARE(form.size(), QSize(531, 315));
    QTest::keyClick(form.Edit1, Qt::Key_7);
    QCOMPARE(form.Edit1->text(), QStringLiteral("7"));  // other keys reach the control
  }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
