// Connect, Disconnect and the hardware manager against the simulated detector.
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTableWidget>
#include <QtTest>
#include <filesystem>

#include "DetectorWindow.h"

namespace {
QString AcceptedLine(sim::SimulatedDetector& detector) {
  // Sub-command 9 answers the firmware version bytes of the factory area.
  return detector.WithModel([](sim::DeviceModel& m) {
    return QStringLiteral("Extended command 9 accepted: %1,%2,%3")
        .arg(m.Eeprom(265))
        .arg(m.Eeprom(273))
        .arg(m.Eeprom(274));
  });
}

// The status bar's second label: the port, and the identity while connected.
QString LinkDetail(DetectorWindow& w) {
  return w.form().StatusBar1->findChild<QLabel*>("lblLinkDetail")->text();
}

QString PortText(DetectorWindow& w) {
  return "COM5 (" + QString::fromStdString(w.detector().SlavePath()) + ")";
}

// The row of the hardware manager that lists COMn, or -1.
int RowOf(QTableWidget* table, const QString& com) {
  for (int row = 0; row < table->rowCount(); ++row)
    if (table->item(row, 0)->text() == com) return row;
  return -1;
}
}  // namespace

class ConnectionPanelTest : public QObject {
  Q_OBJECT
 private slots:
  // No console line, as ever; the status bar says what is wanted for a while.
  void invalidComNumberPrintsNothingAndHints_data() {
    QTest::addColumn<QString>("text");
    for (const char* text : {"0", "256", "abc", "", "-3"}) QTest::newRow(text) << QString(text);
  }
  void invalidComNumberPrintsNothingAndHints() {
    QFETCH(QString, text);
    DetectorWindow w;
    w.form().Edit1->setText(text);
    w.Click("Button1");
    QCOMPARE(w.Console(), QStringList());
    QVERIFY(w.form().Device == nullptr);
    QCOMPARE(w.detector().RequestCount(), uint64_t{0});
    QCOMPARE(w.StatusText(), QStringLiteral("Disconnected"));
    QCOMPARE(w.form().StatusBar1->currentMessage(),
             QStringLiteral("The COM port is a number from 1 to 255"));
  }

  // Enter presses Connect: first on an empty field, then with the number typed.
  void enterInTheComFieldConnects() {
    DetectorWindow w;
    QTest::keyClick(w.form().Edit1, Qt::Key_Return);
    QVERIFY(!w.form().StatusBar1->currentMessage().isEmpty());
    w.form().Edit1->setText(QString::number(w.comNumber()));
    QTest::keyClick(w.form().Edit1, Qt::Key_Return);
    QCOMPARE(w.Console().value(0), QStringLiteral(">>Connected"));
    QCOMPARE(w.StatusText(), QStringLiteral("Connected"));
    QVERIFY(w.form().StatusBar1->currentMessage().isEmpty());  // the hint gives way
  }

  void connectPrintsTheExtendedCommandAnswer() {
    DetectorWindow w;
    QCOMPARE(w.StatusColour(), QColor(Qt::red));
    QVERIFY(w.Connect());
    // Connect ends by showing the trend-log interval, read with the EEPROM.
    QCOMPARE(w.Console(),
             (QStringList{">>Connected", AcceptedLine(w.detector()), ">>Bytes 0-511 read!"}));
    QCOMPARE(w.StatusText(), QStringLiteral("Connected"));
    QCOMPARE(w.StatusColour(), QColor(0, 255, 0));
    QVERIFY(!w.form().Button1->isEnabled());
    QVERIFY(w.form().Button2->isEnabled());
    QCOMPARE(w.form().LastActionOk, 1);
  }

  // Beside "Connected": the port and what the factory area says the detector is.
  void connectedStatusNamesThePortAndTheDetector() {
    sim::DetectorOptions options;
    options.variant = sim::Variant::LoopBased;
    options.channels = 1;
    DetectorWindow w(options);
    QVERIFY(w.Connect());
    const QString firmware = w.detector().WithModel([](sim::DeviceModel& m) {
      return QStringLiteral("%1.%2.%3").arg(m.Eeprom(265)).arg(m.Eeprom(273)).arg(m.Eeprom(274));
    });
    QCOMPARE(LinkDetail(w), PortText(w) + " - loop based, 1 channel, firmware " + firmware);
    w.Click("Button2");
    QCOMPARE(LinkDetail(w), QString());
  }

  // Button1 is disabled while connected; its handler still refuses a second connection.
  void connectWhileConnectedKeepsTheConnection() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    TKV* first = w.form().Device.get();
    w.NewConsoleLines();
    w.form().Button1Click(w.form().Button1);
    QCOMPARE(w.NewConsoleLines(), QStringList{">>Already connected!"});
    QCOMPARE(w.form().Device.get(), first);
    QVERIFY(first->IsConnected());
  }

  void wrongConfigurationSkipsTheExtendedCommand() {
    sim::DetectorOptions options;
    options.wrongConfiguration = true;
    DetectorWindow w(options);
    QVERIFY(w.Connect());
    QCOMPARE(w.Console(), (QStringList{">>Connected", ">>Bytes 0-511 read!"}));
    QVERIFY(w.detector().LastRequest(36).empty());
    QCOMPARE(LinkDetail(w), PortText(w));  // no identity to show
  }

  void refusedExtendedCommandPrintsOnlyConnected() {
    DetectorWindow w;
    w.detector().InjectFault({sim::FaultKind::Refuse, 36});
    QVERIFY(w.Connect());
    QCOMPARE(w.Console(), (QStringList{">>Connected", ">>Bytes 0-511 read!"}));
    QCOMPARE(w.StatusText(), QStringLiteral("Connected"));
  }

  void failedConnectReportsAndStaysDisconnected() {
    DetectorWindow w;
    w.detector().InjectFault({sim::FaultKind::Refuse, 6});  // the greeting
    QVERIFY(!w.Connect());
    QCOMPARE(w.Console(),
             QStringList{">>TKV Error [5] device doesn't acknowledge to connect command"});
    QCOMPARE(w.StatusText(), QStringLiteral("Disconnected"));
    QVERIFY(w.form().Button1->isEnabled());
  }

  void portThatCannotBeOpenedGivesTheWinErrorLine() {
    DetectorWindow w;
    std::filesystem::create_symlink("/nonexistent/ttyVOREN", w.portsDir() + "/COM7");
    w.form().Edit1->setText("7");
    w.Click("Button1");
    const QStringList console = w.Console();
    QCOMPARE(console.size(), 1);
    QVERIFY2(console[0].startsWith(">>WIN Error [2]: ") && console[0].size() > 17,
             qPrintable(console[0]));
    QVERIFY(w.form().Device == nullptr);
  }

  void disconnect() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.NewConsoleLines();
    w.Click("Button2");
    QCOMPARE(w.NewConsoleLines(), QStringList{">>Disconnected"});
    QVERIFY(w.form().Device == nullptr);
    QCOMPARE(w.StatusText(), QStringLiteral("Disconnected"));
    QCOMPARE(w.StatusColour(), QColor(Qt::red));
    QVERIFY(w.form().Button1->isEnabled());
    QVERIFY(!w.form().Button2->isEnabled());
    // Connecting again works on a fresh connection object.
    QVERIFY(w.Connect());
    QCOMPARE(w.NewConsoleLines().value(0), QStringLiteral(">>Connected"));
  }

  void disconnectWhileDisconnected() {
    DetectorWindow w;
    w.form().Button2Click(nullptr);
    QCOMPARE(w.Console(), QStringList{">>Not connected!"});
  }

  void hardwareManagerListsWhatConnectOpens() {
    DetectorWindow w;
    w.Click("btnShowDevMan");
    auto* dialog = w.form().findChild<QDialog*>("dlgComPorts");
    QVERIFY(dialog && dialog->isVisible());
    auto* table = dialog->findChild<QTableWidget*>("tblComPorts");
    const int row = RowOf(table, "COM5");
    QVERIFY(row >= 0);
    QCOMPARE(table->item(row, 1)->text(), QString::fromStdString(w.detector().SlavePath()));
    QCOMPARE(table->item(row, 2)->text(), QStringLiteral("simulated detector"));
    QCOMPARE(w.Console(), QStringList());
  }

  void hardwareManagerPicksAPort_data() {
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("double-click") << false;
    QTest::newRow("Enter") << true;
  }
  void hardwareManagerPicksAPort() {
    QFETCH(bool, byEnter);
    DetectorWindow w;
    w.form().Edit1->setText("77");
    w.Click("btnShowDevMan");
    auto* dialog = w.form().findChild<QDialog*>("dlgComPorts");
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    auto* table = dialog->findChild<QTableWidget*>("tblComPorts");
    const int row = RowOf(table, "COM5");
    QVERIFY(row >= 0);
    if (byEnter) {
      table->setCurrentCell(row, 1);
      QTest::keyClick(table, Qt::Key_Return);
    } else {
      const QRect cell = table->visualRect(table->model()->index(row, 1));
      // Through the window, as the platform delivers it: press, release, press, double-click.
      QTest::mouseDClick(dialog->windowHandle(), Qt::LeftButton, {},
                         table->viewport()->mapTo(dialog, cell.center()));
    }
    QCOMPARE(w.form().Edit1->text(), QStringLiteral("5"));
    QVERIFY(!dialog->isVisible());
    QCOMPARE(w.Console(), QStringList());  // picked, not connected
  }
};

QTEST_MAIN(ConnectionPanelTest)
#include "ConnectionPanelTest.moc"
