// The status bar's account of the link, and the words of a failed open,
// against the simulated detector on a pseudo-terminal.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QLabel>
#include <QRegularExpression>
#include <QStatusBar>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "DetectorWindow.h"

namespace {
QString LinkDetail(DetectorWindow& w) {
  return w.form().StatusBar1->findChild<QLabel*>("lblLinkDetail")->text();
}

// How each cause of a failed open is brought about.
enum class OpenTrouble { DanglingLink, NoLink, HeldByAnother, NoPermission, DevNull, RegularFile };

// What the console's error line says after ">>WIN Error [n]: ".
QString ErrorTextOf(const QString& line) {
  return line.mid(line.indexOf(QStringLiteral("]: ")) + 3);
}
}  // namespace

Q_DECLARE_METATYPE(OpenTrouble)

class LinkStatusTest : public QObject {
  Q_OBJECT
 private slots:
  void lostLinkShowsUntilDisconnectAndConnectWorksAgain() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    const QString oldPort = "COM5 (" + QString::fromStdString(w.detector().SlavePath()) + ")";
    w.NewConsoleLines();

    w.detector().Stop();  // the detector's side of the line closes, as when the cable is pulled
    w.Click("btnState");
    QCOMPARE(w.NewConsoleLines(), QStringList{">>WIN Error [5]: Write error"});
    QCOMPARE(w.StatusText(), QStringLiteral("Connection lost"));
    QCOMPARE(LinkDetail(w), oldPort);
    QCOMPARE(w.StatusColour(), QColor(Qt::red));
    QVERIFY(w.form().Device != nullptr);
    QVERIFY(w.form().Button2->isEnabled());

    // Another try meets the dead line the same way: one line, still lost.
    w.Click("btnState");
    QCOMPARE(w.NewConsoleLines(), QStringList{">>WIN Error [5]: Write error"});
    QCOMPARE(w.StatusText(), QStringLiteral("Connection lost"));

    QVERIFY(w.detector().Start());  // back on a new line under the same COM number
    w.Click("Button2");
    QCOMPARE(w.NewConsoleLines(), QStringList{">>Disconnected"});
    QCOMPARE(w.StatusText(), QStringLiteral("Disconnected"));
    QCOMPARE(LinkDetail(w), QString());
    QVERIFY(w.Connect());
    QCOMPARE(w.NewConsoleLines().value(0), QStringLiteral(">>Connected"));
    QCOMPARE(w.StatusText(), QStringLiteral("Connected"));
    QCOMPARE(w.StatusColour(), QColor(0, 255, 0));
    QVERIFY(LinkDetail(w).startsWith(
        "COM5 (" + QString::fromStdString(w.detector().SlavePath()) + ") - "));
  }

  // A detector that answers, even with a refusal, is still there.
  void refusedCommandLeavesTheLinkConnected() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.NewConsoleLines();
    w.detector().InjectFault({sim::FaultKind::Refuse, 30});
    w.Click("btnState");
    QCOMPARE(w.NewConsoleLines().size(), 1);
    QCOMPARE(w.StatusText(), QStringLiteral("Connected"));
    QCOMPARE(w.StatusColour(), QColor(0, 255, 0));
  }

  void failedOpenSaysWhyAndWhere_data() {
    QTest::addColumn<OpenTrouble>("trouble");
    QTest::addColumn<int>("com");
    QTest::addColumn<QString>("text");  // a pattern; DEVICE stands for the device's path
    const QString noSuchPort = QStringLiteral(
        "Invalid Handle \\(-1\\): no such port, \\d+ serial devices? found, "
        "see the device-manager button ");
    QTest::newRow("link to nothing") << OpenTrouble::DanglingLink << 7
                                     << noSuchPort + "\\(COM7, /nonexistent/ttyVOREN\\)";
    QTest::newRow("no link, no device") << OpenTrouble::NoLink << 254 << noSuchPort + "\\(COM254\\)";
    QTest::newRow("in use") << OpenTrouble::HeldByAnother << 5
                            << "Invalid Handle \\(-1\\): in use by another program \\(COM5, DEVICE\\)";
    QTest::newRow("permission")
        << OpenTrouble::NoPermission << 5
        << "Invalid Handle \\(-1\\): permission denied, the user must be in group '[^']+' "
           "\\(COM5, DEVICE\\)";
    QTest::newRow("/dev/null") << OpenTrouble::DevNull << 9
                               << "Error trying to get control setting information: "
                                  "not a serial device \\(COM9, /dev/null\\)";
    QTest::newRow("regular file") << OpenTrouble::RegularFile << 8
                                  << "Error trying to get control setting information: "
                                     "not a serial device \\(COM8, DEVICE\\)";
  }
  void failedOpenSaysWhyAndWhere() {
    QFETCH(OpenTrouble, trouble);
    QFETCH(int, com);
    QFETCH(QString, text);
    DetectorWindow w;
    std::string device = w.detector().SlavePath();
    const std::string link = w.portsDir() + "/COM" + std::to_string(com);
    int holder = -1;
    switch (trouble) {
      case OpenTrouble::DanglingLink:
        std::filesystem::create_symlink("/nonexistent/ttyVOREN", link);
        break;
      case OpenTrouble::NoLink: break;
      case OpenTrouble::HeldByAnother:
        holder = open(device.c_str(), O_RDWR | O_NOCTTY);
        QVERIFY(holder >= 0 && flock(holder, LOCK_EX | LOCK_NB) == 0);
        break;
      case OpenTrouble::NoPermission:
        if (geteuid() == 0) QSKIP("root opens any device file: no permission error to show");
        QVERIFY(chmod(device.c_str(), 0) == 0);
        break;
      case OpenTrouble::DevNull: std::filesystem::create_symlink("/dev/null", link); break;
      case OpenTrouble::RegularFile:
        device = w.portsDir() + "/not-a-tty";
        std::ofstream(device) << "plain text\n";
        std::filesystem::create_symlink(device, link);
        break;
    }
    w.form().Edit1->setText(QString::number(com));
    w.Click("Button1");
    if (holder >= 0) close(holder);

    const QStringList console = w.Console();
    QCOMPARE(console.size(), 1);
    QVERIFY2(console[0].startsWith(">>WIN Error ["), qPrintable(console[0]));
    const QString said = ErrorTextOf(console[0]);
    QVERIFY2(said.size() < 128, qPrintable(said));
    const QString pattern =
        text.replace("DEVICE", QRegularExpression::escape(QString::fromStdString(device)));
    QVERIFY2(QRegularExpression("^" + pattern + "$").match(said).hasMatch(), qPrintable(said));
    QVERIFY(w.form().Device == nullptr);
    QCOMPARE(w.StatusText(), QStringLiteral("Disconnected"));
  }
};

QTEST_MAIN(LinkStatusTest)
#include "LinkStatusTest.moc"
