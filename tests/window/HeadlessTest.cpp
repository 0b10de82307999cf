// vorenxr-diag run without the window, as a factory script runs it: the real
// program against the real vorenxr-sim on a private port directory, with no
// display and no platform chosen for it.
#include <signal.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "FileSizeLimit.h"

namespace {
constexpr int kCom = 7;
constexpr int kNothingThere = 200;
constexpr int kRunMs = 120000;

struct Finished {
  int exitCode = -1;
  QString out;
  QString err;
};

QString ReadReport(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}
}  // namespace

class HeadlessTest : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir ports_;
  QProcess simulator_;

  // No display, and no platform asked for: the program must choose its own.
  QProcessEnvironment Environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    env.insert("VORENXR_PORTS_DIR", ports_.path());
    env.insert("VORENXR_PACING_SCALE", "0.005");
    return env;
  }

  void Start(QProcess& diag, const QStringList& args, const QString& folder) {
    diag.setProcessEnvironment(Environment());
    diag.setWorkingDirectory(folder);
    diag.start(VORENXR_DIAG_PATH, args);
  }

  static Finished Collect(QProcess& diag) {
    diag.waitForFinished(kRunMs);
    return {diag.exitStatus() == QProcess::NormalExit ? diag.exitCode() : -1,
            QString::fromLocal8Bit(diag.readAllStandardOutput()),
            QString::fromLocal8Bit(diag.readAllStandardError())};
  }

  Finished Run(const QStringList& args, const QString& folder = QDir::tempPath()) {
    QProcess diag;
    Start(diag, args, folder);
    return Collect(diag);
  }

  // The report saved in the folder is what went to standard output, line by line.
  void CheckReport(const Finished& run, const QString& folder, const QString& prefix) {
    QCOMPARE(run.exitCode, 0);
    const QStringList files = QDir(folder).entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    QVERIFY(QRegularExpression("^" + prefix + "\\d{8}_\\d{6}\\.LOG$").match(files[0]).hasMatch());
    const QString path = QDir(folder).filePath(files[0]);
    QCOMPARE(run.err, "vorenxr-diag: report saved: " + path + "\n");
    const QString report = ReadReport(path);
    QVERIFY(report.endsWith("\r\n"));
    QCOMPARE(report.split("\r\n"), run.out.split('\n'));
  }

 private slots:
  void initTestCase() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VORENXR_PORTS_DIR", ports_.path());
    simulator_.setProcessEnvironment(env);
    simulator_.start(VORENXR_SIM_PATH, {"--com", QString::number(kCom)});
    // It prints its pseudo-terminal, then its COM number once it answers.
    QTRY_VERIFY_WITH_TIMEOUT(simulator_.canReadLine() &&
                                 QString(simulator_.peek(4096)).count('\n') >= 2,
                             10000);
  }

  void cleanupTestCase() {
    simulator_.terminate();
    simulator_.waitForFinished();
  }

  void help() {
    const Finished run = Run({"--help"});
    QCOMPARE(run.exitCode, 0);
    for (const char* said : {"--diagnose", "--retrieve-log", "--com N", "--full", "--test-alarms",
                             "--version", "0  the report was saved", "1  no connection",
                             "2  bad arguments", "3  the report was not saved", "4  aborted"})
      QVERIFY2(run.out.contains(said), said);
    QCOMPARE(run.err, QString());
  }

  void version() {
    const Finished run = Run({"--version"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QStringLiteral("vorenxr-diag " VORENXR_VERSION "\n"));
  }

  void badArguments_data() {
    QTest::addColumn<QStringList>("args");
    const QString com = QString::number(kCom);
    QTest::newRow("no run") << QStringList{"--com", com};
    QTest::newRow("no COM") << QStringList{"--retrieve-log"};
    QTest::newRow("COM without number") << QStringList{"--diagnose", "--com"};
    QTest::newRow("COM 0") << QStringList{"--diagnose", "--com", "0"};
    QTest::newRow("COM 256") << QStringList{"--diagnose", "--com", "256"};
    QTest::newRow("COM not a number") << QStringList{"--diagnose", "--com", "seven"};
    QTest::newRow("both runs") << QStringList{"--diagnose", "--retrieve-log", "--com", com};
    QTest::newRow("full log retrieval") << QStringList{"--retrieve-log", "--full", "--com", com};
    QTest::newRow("unknown option") << QStringList{"--diagnose", "--com", com, "--fast"};
  }
  void badArguments() {
    QFETCH(QStringList, args);
    const Finished run = Run(args);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QString());
    QVERIFY(run.err.startsWith("vorenxr-diag: "));
    QCOMPARE(run.err.count('\n'), 1);
  }

  void retrieveLog() {
    QTemporaryDir folder;
    const Finished run = Run({"--retrieve-log", "--com", QString::number(kCom)}, folder.path());
    CheckReport(run, folder.path(), "VOREN_XR_LOG_");
    QVERIFY(run.out.contains("<<<--LOG---"));
  }

  void diagnose() {
    QTemporaryDir folder;
    const Finished run = Run({"--diagnose", "--com", QString::number(kCom)}, folder.path());
    CheckReport(run, folder.path(), "VOREN_XR_DIAG_");
    QVERIFY(run.out.contains("END VOREN XR Diagnostic: "));
  }

  void aReportThatCannotBeWritten() {
    QTemporaryDir folder;
    QProcess diag;
    {
      FileSizeLimit disk(4096);  // the program inherits it; the report is far larger
      Start(diag, {"--retrieve-log", "--com", QString::number(kCom)}, folder.path());
      QVERIFY(diag.waitForStarted());
    }
    const Finished run = Collect(diag);
    QCOMPARE(run.exitCode, 3);
    QVERIFY2(run.err.startsWith("vorenxr-diag: no report saved: Cannot create file"), qPrintable(run.err));
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY(run.out.contains("<<<--LOG---"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
  }

  void nothingOnTheComPort() {
    QTemporaryDir folder;
    const Finished run = Run({"--diagnose", "--com", QString::number(kNothingThere)}, folder.path());
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QString());
    QVERIFY2(QRegularExpression(QStringLiteral("^vorenxr-diag: no connection on COM%1: >>(TKV|WIN) Error \\[.+\n$")
                                    .arg(kNothingThere))
                 .match(run.err)
                 .hasMatch(),
             qPrintable(run.err));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
  }

  // Ctrl+C once the stabilisation of a full run has begun: ABORT, no report.
  void interruptAborts() {
    QTemporaryDir folder;
    QProcess diag;
    Start(diag, {"--diagnose", "--full", "--com", QString::number(kCom)}, folder.path());
    QVERIFY(diag.waitForStarted());
    QByteArray out;
    QElapsedTimer waited;
    waited.start();
    while (!out.contains("waiting stabilizing...") && waited.elapsed() < kRunMs &&
           diag.state() == QProcess::Running) {
      diag.waitForReadyRead(1000);
      out += diag.readAllStandardOutput();
    }
    QVERIFY(out.contains("waiting stabilizing..."));
    ::kill(static_cast<pid_t>(diag.processId()), SIGINT);
    QVERIFY(diag.waitForFinished(kRunMs));
    out += diag.readAllStandardOutput();
    QCOMPARE(diag.exitStatus(), QProcess::NormalExit);
    QCOMPARE(diag.exitCode(), 4);
    QVERIFY(out.contains("\nABORTED\n"));
    QVERIFY(!out.contains("END VOREN XR Diagnostic"));
    QCOMPARE(QString::fromLocal8Bit(diag.readAllStandardError()), "vorenxr-diag: aborted, no report saved\n");
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
  }
};

QTEST_GUILESS_MAIN(HeadlessTest)
#include "HeadlessTest.moc"
