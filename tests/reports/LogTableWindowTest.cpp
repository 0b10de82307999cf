// The LOGS box on the real window: reading, listing, exporting and clearing
// the simulated detector's event log.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "DetectorWindow.h"
#include "LogTable.h"

namespace {
constexpr int kSlots = 2244;

sim::DetectorOptions WithLog(sim::LogFill fill) {
  sim::DetectorOptions options;
  options.log = fill;
  return options;
}

int LogCount(DetectorWindow& w) {
  return w.detector().WithModel([](sim::DeviceModel& m) {
    const sim::LogHeaderBytes header = m.LogHeader();
    return header[4] + 256 * header[5];
  });
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray AsFile(const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += line.toLatin1() + "\r\n";
  return bytes;
}
}  // namespace

class LogTableWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void readLogsListsRowsUpToTheCount() {
    DetectorWindow w;
    // Entry 0 made so that every column is cut or filled.
    w.detector().WithModel([](sim::DeviceModel& m) {
      m.SetLogEntry(0, {115, 5, 3, 24, 7, 8, 9, 0, 140, 0, 87, 0, 21, 1});
    });
    QVERIFY(w.Connect());
    w.NewConsoleLines();
    w.form().LastActionOk = 0;
    w.Click("btnReadLogs");
    const QStringList lines = w.NewConsoleLines();
    QCOMPARE(lines.size(), 2 + LogCount(w) + 1);  // rows 0 to count, no note
    QCOMPARE(lines[0], LogTableHeader());
    QCOMPARE(lines[1], LogTableDashes());
    QCOMPARE(lines[2], QStringLiteral(
                           "0   |05/03/24 07:08:09|115: [A008] sensor 1 chamber is dirty (0.3%/f|unde"
                           "|24000 |undefi|87    |undefi|error 4/6 [low chamb|normal              "));
    QVERIFY(lines.last().startsWith(QString::number(LogCount(w)) + " "));
    QVERIFY(w.form().btnReadLogs->isEnabled());
    QCOMPARE(w.form().LastActionOk, 1);
  }

  void readAllLogsListsEverySlot() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.NewConsoleLines();
    w.Click("btnReadAllLogs");
    const QStringList lines = w.NewConsoleLines();
    QCOMPARE(lines.size(), 2 + kSlots);
    QVERIFY(lines.last().startsWith("2243|"));
  }

  void notes_data() {
    QTest::addColumn<int>("fill");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("note");
    const int blank = static_cast<int>(sim::LogFill::Blank);
    const int full = static_cast<int>(sim::LogFill::Full);
    QTest::newRow("blank, read") << blank << "btnReadLogs" << 0 << ">>log is blank";
    // Nothing of a blank log is read, so there are no slots to list either.
    QTest::newRow("blank, read all") << blank << "btnReadAllLogs" << 0 << ">>log is blank";
    QTest::newRow("full, read") << full << "btnReadLogs" << kSlots << ">>log is full";
    QTest::newRow("full, read all") << full << "btnReadAllLogs" << kSlots << ">>log is full";
  }
  void notes() {
    QFETCH(int, fill);
    QFETCH(QString, button);
    QFETCH(int, rows);
    QFETCH(QString, note);
    DetectorWindow w(WithLog(static_cast<sim::LogFill>(fill)));
    QVERIFY(w.Connect());
    w.NewConsoleLines();
    w.Click(qPrintable(button));
    const QStringList lines = w.NewConsoleLines();
    QCOMPARE(lines.size(), 2 + rows + 1);
    QCOMPARE(lines[1], LogTableDashes());
    QCOMPARE(lines.last(), note);
  }

  void readRefusedReportsAndReenables() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.NewConsoleLines();
    w.detector().InjectFault({sim::FaultKind::Refuse, 3});  // the log header read
    w.Click("btnReadAllLogs");
    QCOMPARE(w.NewConsoleLines(), QStringList{">>TKV Error [16] impossible to read log information"});
    QVERIFY(w.form().btnReadAllLogs->isEnabled());
  }

  void notConnected() {
    DetectorWindow w;
    for (const char* button : {"btnReadLogs", "btnReadAllLogs", "btnClearLog", "btnShowLog"})
      w.Click(button);
    QCOMPARE(w.Console(), QStringList(4, ">>Not connected!"));
  }

  void exportWritesTheConsole_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("fill");
    QTest::addColumn<bool>("allSlots");
    const int normal = static_cast<int>(sim::LogFill::Normal);
    const int full = static_cast<int>(sim::LogFill::Full);
    QTest::newRow("export") << "btnExportLog" << normal << false;
    QTest::newRow("export all") << "btnExportAllLogs" << normal << true;
    QTest::newRow("export full") << "btnExportLog" << full << true;
  }
  void exportWritesTheConsole() {
    QFETCH(QString, button);
    QFETCH(int, fill);
    QFETCH(bool, allSlots);
    DetectorWindow w(WithLog(static_cast<sim::LogFill>(fill)));
    QVERIFY(w.Connect());
    w.Click("btnReadLogs");
    QTemporaryDir dir;
    const QString path = dir.filePath("exported.TXT");
    w.dialogs().fileAnswers.push_back(path);
    const int before = static_cast<int>(w.Console().size());
    w.Click(qPrintable(button));

    const FileDialogRequest& asked = w.dialogs().fileRequests.at(0);
    QCOMPARE(asked.title, QStringLiteral("Export Logs"));
    QCOMPARE(asked.filter, QStringLiteral("TXT files (*.TXT)"));
    QCOMPARE(asked.defaultSuffix, QStringLiteral("TXT"));
    QCOMPARE(asked.folder, QCoreApplication::applicationDirPath());

    QStringList console = w.Console();
    const int rows = allSlots ? kSlots : LogCount(w) + 1;
    if (fill == static_cast<int>(sim::LogFill::Full)) {
      QCOMPARE(console.takeLast(), QStringLiteral(">>log is full"));  // after the save
    }
    QCOMPARE(console.size(), before + 2 + rows);
    // Everything the console held, the earlier listing included.
    const QByteArray file = ReadFile(path);
    QCOMPARE(file, AsFile(console));
    QVERIFY(!file.startsWith("\xEF\xBB\xBF"));
  }

  void exportCancelledDoesNothing() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.Click("btnReadLogs");
    const QStringList before = w.Console();
    w.Click("btnExportLog");  // no answer scripted: the dialog is cancelled
    QCOMPARE(w.dialogs().fileRequests.size(), size_t{1});
    QCOMPARE(w.Console(), before);
  }

  void exportThatCannotBeWrittenShowsTheErrorBox() {
    DetectorWindow w(WithLog(sim::LogFill::Blank));
    QVERIFY(w.Connect());
    w.Click("btnReadLogs");
    QTemporaryDir dir;
    const QString path = dir.filePath("no-such-folder/exported.TXT");
    w.dialogs().fileAnswers.push_back(path);
    w.NewConsoleLines();
    w.Click("btnExportLog");
    QCOMPARE(w.dialogs().messages.size(), size_t{1});
    QCOMPARE(w.dialogs().messages[0].kind, MessageKind::Error);
    QVERIFY(w.dialogs().messages[0].text.contains(path));
    // The table is on the console; the note that follows the save is not.
    QCOMPARE(w.NewConsoleLines(), (QStringList{LogTableHeader(), LogTableDashes()}));
    QVERIFY(!QFile::exists(path));
  }

  void clearLogs() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.Click("btnReadLogs");
    w.NewConsoleLines();
    w.dialogs().yesNoAnswers = {true};
    w.Click("btnClearLog");
    QCOMPARE(w.dialogs().questions, QStringList{"Clear logs?"});
    QCOMPARE(w.NewConsoleLines(), QStringList{">>Device log cleared"});
    QVERIFY(w.form().btnClearLog->isEnabled());
    QVERIFY(!w.detector().LastRequest(22).empty());
  }

  void clearAnsweredNoSendsNothing() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.NewConsoleLines();
    w.dialogs().yesNoAnswers = {false};
    w.Click("btnClearLog");
    QCOMPARE(w.NewConsoleLines(), QStringList());
    QVERIFY(w.detector().LastRequest(22).empty());
  }

  void clearRefused() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.NewConsoleLines();
    w.detector().InjectFault({sim::FaultKind::Refuse, 22});
    w.dialogs().yesNoAnswers = {true};
    w.Click("btnClearLog");
    QCOMPARE(w.NewConsoleLines(), QStringList{">>TKV Error [18] impossible to read/write log area"});
    QVERIFY(w.form().btnClearLog->isEnabled());
  }

  // Clearing marks the held copy stale: export reports that instead of listing it.
  void exportAfterClearReportsTheStaleLog() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.Click("btnReadLogs");
    w.dialogs().yesNoAnswers = {true};
    w.Click("btnClearLog");
    w.NewConsoleLines();
    QTemporaryDir dir;
    const QString path = dir.filePath("exported.TXT");
    w.dialogs().fileAnswers.push_back(path);
    w.Click("btnExportLog");
    QCOMPARE(w.NewConsoleLines(), QStringList{">>TKV Error [15] device log not available"});
    QVERIFY(!QFile::exists(path));
  }
};

QTEST_MAIN(LogTableWindowTest)
#include "LogTableWindowTest.moc"
