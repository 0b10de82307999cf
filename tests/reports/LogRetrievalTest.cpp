// RETRIEVE LOG on the real window against the simulated detector: the
// console, the report file in the current folder and the controls it locks.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "ConsoleMemo.h"
#include "DetectorWindow.h"
#include "FileSizeLimit.h"
#include "LogTable.h"
#include "RunProgress.h"

namespace {
constexpr int kSlots = 2244;
const QString kSeparator(55, QLatin1Char('-'));

QString Banner(const char* head) { return QString::fromLatin1(head).leftJustified(55, '-'); }

sim::DetectorOptions WithLog(sim::LogFill fill) {
  sim::DetectorOptions options;
  options.log = fill;
  return options;
}

// The test runs in a fresh current folder, where the reports go.
class InTemporaryFolder {
 public:
  InTemporaryFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
  ~InTemporaryFolder() { QDir::setCurrent(previous_); }
  QStringList Files() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden); }
  QString Path(const QString& name) const { return dir_.filePath(name); }

 private:
  QTemporaryDir dir_;
  QString previous_;
};

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray AsReportFile(const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += line.toLatin1() + "\r\n";
  return bytes;
}

// The lines between a section's opening and closing banners.
QStringList Section(const QStringList& console, const char* name) {
  const QString opening = Banner(qPrintable(QStringLiteral(">>>--") + name));
  const QString closing = Banner(qPrintable(QStringLiteral("<<<--") + name));
  const qsizetype from = console.indexOf(opening);
  const qsizetype to = console.indexOf(closing, from);
  if (from < 0 || to < 0) return {};
  return console.mid(from + 1, to - from - 1);
}

QList<QWidget*> LockedControls(TFrmTestTKV& f) {
  return {f.btndiag, f.Button1, f.btnres, f.Button2, f.btnlog, f.chkfulldiag, f.Edit1, f.chktestalarms};
}

}  // namespace

class LogRetrievalTest : public QObject {
  Q_OBJECT
 private slots:
  void retrievalSavesTheConsole_data() {
    QTest::addColumn<int>("fill");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("last");
    QTest::newRow("normal log") << static_cast<int>(sim::LogFill::Normal) << kSlots
                                << QStringLiteral("2243|");
    // Nothing of a blank log is read: no rows, and the note.
    QTest::newRow("blank log") << static_cast<int>(sim::LogFill::Blank) << 0
                               << QStringLiteral(">>log is blank");
  }
  void retrievalSavesTheConsole() {
    QFETCH(int, fill);
    QFETCH(int, rows);
    QFETCH(QString, last);
    InTemporaryFolder folder;
    DetectorWindow w(WithLog(static_cast<sim::LogFill>(fill)));
    QVERIFY(w.Connect());
    TFrmTestTKV& f = w.form();
    // Whenever the retrieval copies the state panel, look at the controls.
    QList<bool> lockedWhileRunning;
    connect(f.memState, &ConsoleMemo::LinesAdded, this, [&] {
      bool locked = !f.Progress->isHidden() && f.btnTrendLog->isEnabled();
      for (QWidget* control : LockedControls(f)) locked = locked && !control->isEnabled();
      lockedWhileRunning << locked;
    });
    w.Click("btnlog");

    const QStringList console = w.Console();
    QCOMPARE(console.mid(0, 8), (QStringList{kSeparator, console[1], kSeparator, " ", " ",
                                             kSeparator, kSeparator, kSeparator}));
    QVERIFY(console[1].startsWith("VOREN XR Log: "));
    QStringList banners;
    for (const QString& line : console)
      if (line.startsWith(">>>--") || line.startsWith("<<<--")) banners << line;
    QCOMPARE(banners, (QStringList{Banner(">>>--TIME"), Banner("<<<--TIME"), Banner(">>>--INFO"),
                                   Banner("<<<--INFO"), Banner(">>>--STATE"), Banner("<<<--STATE"),
                                   Banner(">>>--LOG"), Banner("<<<--LOG")}));
    QCOMPARE(console.last(), QStringLiteral(" "));
    QCOMPARE(Section(console, "TIME"), (QStringList{">>Device clock read!", f.edtGetTime->text()}));
    QCOMPARE(Section(console, "STATE"), w.State());
    const QStringList log = Section(console, "LOG");
    QCOMPARE(log.mid(0, 2), (QStringList{LogTableHeader(), LogTableDashes()}));
    QCOMPARE(log.size(), 2 + rows + (rows == 0 ? 1 : 0));
    QVERIFY(log.last().startsWith(last));
    QVERIFY(!Section(console, "INFO").isEmpty());

    // The report is the console, byte for byte, in the current folder.
    QCOMPARE(folder.Files().size(), 1);
    const QString name = folder.Files()[0];
    QVERIFY(QRegularExpression("^VOREN_XR_LOG_\\d{8}_\\d{6}\\.LOG$").match(name).hasMatch());
    QCOMPARE(f.SavedReportFile, folder.Path(name));
    QCOMPARE(ReadFile(folder.Path(name)), AsReportFile(console));
    QCOMPARE(w.dialogs().messages.size(), size_t{1});
    QCOMPARE(w.dialogs().messages[0].kind, MessageKind::Plain);
    QCOMPARE(w.dialogs().messages[0].text, "LOG SAVED!\n\n" + name);

    QVERIFY(!lockedWhileRunning.isEmpty());
    QVERIFY(!lockedWhileRunning.contains(false));
    for (QWidget* control : LockedControls(f))
      QCOMPARE(control->isEnabled(), control != f.Button1);
    QVERIFY(!f.btnabort->isEnabled());
    QVERIFY(f.Progress->isHidden());
  }

  void aFailedReadIsReportedAndTheRetrievalGoesOn() {
    InTemporaryFolder folder;
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.detector().InjectFault({sim::FaultKind::Refuse, 19});  // the clock read
    w.Click("btnlog");
    const QStringList time = Section(w.Console(), "TIME");
    QCOMPARE(time.size(), 2);
    QVERIFY(time[0].startsWith(">>TKV Error ["));
    QCOMPARE(folder.Files().size(), 1);
    QCOMPARE(ReadFile(folder.Path(folder.Files()[0])), AsReportFile(w.Console()));
  }

  // Both retrievals name the same file; the second one's console is kept.
  void twoRetrievalsInOneSecondLeaveTheSecond() {
    InTemporaryFolder folder;
    DetectorWindow w;
    QVERIFY(w.Connect());
    const auto setNewestEvent = [&](uint8_t code) {
      w.detector().WithModel([&](sim::DeviceModel& m) { m.SetLogEntry(0, {code, 5, 3, 24, 7, 8, 9}); });
    };
    QString first, second;
    QStringList firstConsole;
    // A retrieval may straddle a second; then try again.
    for (int attempt = 0; attempt < 5 && (first.isEmpty() || first != second); ++attempt) {
      setNewestEvent(115);
      w.Click("btnlog");
      first = w.form().SavedReportFile;
      firstConsole = w.Console();
      setNewestEvent(116);
      w.Click("btnlog");
      second = w.form().SavedReportFile;
      for (const QString& name : folder.Files())
        if (folder.Path(name) != second) QFile::remove(folder.Path(name));
    }
    QCOMPARE(first, second);
    QCOMPARE(folder.Files().size(), 1);
    QVERIFY(w.Console() != firstConsole);
    QCOMPARE(ReadFile(second), AsReportFile(w.Console()));
  }

  void aFailedSaveLeavesNoFileAndShowsTheError() {
    InTemporaryFolder folder;
    DetectorWindow w;
    QVERIFY(w.Connect());
    TFrmTestTKV& f = w.form();
    f.SavedReportFile = QStringLiteral("an earlier report");
    {
      FileSizeLimit disk(4096);  // the report is far larger
      w.Click("btnlog");
    }
    QCOMPARE(folder.Files(), QStringList());  // neither half a report nor a temporary file
    QVERIFY(f.SavedReportFile.isEmpty());
    QCOMPARE(w.dialogs().messages.size(), size_t{1});
    QCOMPARE(w.dialogs().messages[0].kind, MessageKind::Error);
    QVERIFY(w.dialogs().messages[0].text.contains("VOREN_XR_LOG_"));
    QVERIFY(w.Console().size() > kSlots);
    for (QWidget* control : LockedControls(f))
      QCOMPARE(control->isEnabled(), control != f.Button1);
  }

  void notConnected() {
    InTemporaryFolder folder;
    DetectorWindow w;
    w.Click("btnlog");
    QCOMPARE(w.Console(), QStringList{">>Not connected!"});
    QCOMPARE(folder.Files(), QStringList());
    QVERIFY(w.dialogs().messages.empty());
    QVERIFY(w.form().SavedReportFile.isEmpty());
    QVERIFY(w.form().Button1->isEnabled());
  }
};

QTEST_MAIN(LogRetrievalTest)
#include "LogRetrievalTest.moc"
