// The operator primitives of the end-of-line test and SAVE LOG, on the real
// window against the simulated detector.
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "EolBench.h"
#include "RadioGroup.h"

namespace {
const QString kStopped = QStringLiteral("TEST STOPPED BY USER: <time>");
const QString kAborted = QStringLiteral("TEST ABORTED: <time>");

QStringList Tail(const QStringList& lines, int count) { return lines.mid(lines.size() - count); }

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}

QByteArray CrLf(const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += line.toLatin1() + "\r\n";
  return bytes;
}
}  // namespace

class EolConsoleTest : public QObject {
  Q_OBJECT
 private slots:
  // Y and N do not end a prompt, the space bar does not end a question, and
  // a lower-case y answers Y.
  void onlyTheirOwnKeysEndTheWaits() {
    sim::DetectorOptions options;
    options.variant = sim::Variant::LoopBased;
    options.channels = 1;
    EolBench b(options);
    b.w.form().rgEolType->SetItemIndex(1);
    b.w.form().rgEolChannels->SetItemIndex(0);
    b.promptKeys = {QStringLiteral("YNyn ")};
    b.answers = {QStringLiteral(" y")};
    const QStringList log = b.Run(8);
    QVERIFY(!b.stuck);
    QCOMPARE(log.count(QStringLiteral("     <<< PASSED >>>")), 1);
    QVERIFY(log.filter(QStringLiteral("FAILED")).isEmpty());
    QCOMPARE(log.count(QStringLiteral("    getstate ok")), 1);
    QCOMPARE(EolBench::Masked(log).last(2).first(), QStringLiteral("FINE TEST: <time>"));
  }

  void keysAreTakenOnlyOnTheManualEolPageAndPassedOn_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("taken");
    QTest::newRow("Manual EOL page") << 7 << "edtSer1" << 89;
    QTest::newRow("Management page") << 0 << "edtSetTime" << 0;
  }
  void keysAreTakenOnlyOnTheManualEolPageAndPassedOn() {
    QFETCH(int, page);
    QFETCH(QString, edit);
    QFETCH(int, taken);
    EolBench b;
    auto& f = b.w.form();
    f.ShowEngineeringPages(true);
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    f.PageControl1->setCurrentIndex(page);
    auto* box = f.findChild<QLineEdit*>(edit);
    box->setText(QString());
    box->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), box);
    f.EolKey = 0;
    b.Type('y');
    QCOMPARE(int(f.EolKey), taken);
    QCOMPARE(box->text(), QStringLiteral("y"));
  }

  void stopDuringAQuestionRecordsNoAnswer() {
    EolBench b;
    b.answers = {QString()};
    b.onQuestion = [&](int question) {
      if (question == 0) b.w.Click("Button37");
    };
    const QStringList log = EolBench::Masked(b.Run(1));
    QCOMPARE(log.mid(13, 5), (QStringList{"    <<< PREMERE Y SE TEST OK, N SE IL TEST E' FALLITO >>>", "", "", kStopped, " [S002]"}));
    QVERIFY(log.filter(QStringLiteral("PASSED")).isEmpty());
    QVERIFY(log.filter(QStringLiteral("FAILED")).isEmpty());
    QCOMPARE(log.last(), kAborted);
  }

  void stopDuringAStepSixPromptEndsTheRunAtItsStopCheck() {
    EolBench b;
    b.onPrompt[QStringLiteral("LEGGERE RTC")] = [&](const QString&, int) { b.w.Click("Button37"); };
    const QStringList log = EolBench::Masked(b.Run(6));
    QCOMPARE(Tail(log, 5), (QStringList{"    <<< PREMERE SPAZIO PER LEGGERE RTC >>>", "", kStopped, "",
                                        kAborted}));
    QVERIFY(!b.w.form().Device);
    QVERIFY(b.w.form().btnStartEOL->isEnabled());
  }

  // A STOP that comes while the run sits in a fixed wait does not give START
  // back until the run has returned: no second run can start inside it.
  void startStaysOffUntilAStoppedRunHasReturned() {
    EolBench b;
    auto& f = b.w.form();
    int ticks = 0;
    bool startEnabled = true;
    QObject::connect(f.tmrDelay, &QTimer::timeout, [&] {
      if (ticks++ != 0) return;
      b.w.Click("Button37");
      startEnabled = f.btnStartEOL->isEnabled();
      f.btnStartEOLClick(nullptr);
    });
    const QStringList log = EolBench::Masked(b.Run(9));
    QVERIFY(!startEnabled);
    QCOMPARE(log.count(QStringLiteral("Inizio EOL manuale: <time>")), 1);
    QCOMPARE(Tail(log, 3), (QStringList{kStopped, "", kAborted}));
    QVERIFY(f.btnStartEOL->isEnabled());
    QVERIFY(!f.EolRunning);
  }

  void aBoxThatIsNoNumberIsToldAndTheRunDoesNotStart_data() {
    QTest::addColumn<QString>("startStep");
    QTest::addColumn<QString>("serial2");
    QTest::addColumn<QStringList>("log");
    QTest::newRow("start step") << "abc" << "0" << QStringList{"!!!!START STEP NON VALIDO: abc"};
    QTest::newRow("serial box") << "9" << "x1" << QStringList{"!!!!NUMERO DI SERIE 2 NON VALIDO: x1"};
  }
  void aBoxThatIsNoNumberIsToldAndTheRunDoesNotStart() {
    QFETCH(QString, startStep);
    QFETCH(QString, serial2);
    QFETCH(QStringList, log);
    EolBench b;
    auto& f = b.w.form();
    f.edtStartStep->setText(startStep);
    f.edtSer2->setText(serial2);
    b.w.Click("btnStartEOL");
    QCOMPARE(b.Log(), log);
    QVERIFY(f.btnStartEOL->isEnabled());
    QVERIFY(b.w.dialogs().messages.empty());
  }

  void checkAdPrintsTheValueAndOneVerdict_data() {
    QTest::addColumn<int>("aboveMaximum");  // maximum - value
    QTest::addColumn<int>("belowMinimum");  // value - minimum
    QTest::addColumn<bool>("readFails");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("at both limits") << 0 << 0 << false << "      OK";
    QTest::newRow("one below the minimum") << 5 << -1 << false << "!!!!FUORI RANGE";
    QTest::newRow("one above the maximum") << -1 << 5 << false << "!!!!FUORI RANGE";
    QTest::newRow("read fails") << 0 << 0 << true << "!!!!read AD non riuscito";
  }
  void checkAdPrintsTheValueAndOneVerdict() {
    QFETCH(int, aboveMaximum);
    QFETCH(int, belowMinimum);
    QFETCH(bool, readFails);
    QFETCH(QString, verdict);
    EolBench b;
    auto& f = b.w.form();
    QVERIFY(b.w.Connect());
    const int value = b.w.detector().WithModel(
        [](sim::DeviceModel& m) { return m.peripherals().Analogue(7, m.live(), m.channels()); });
    if (readFails) b.w.detector().InjectFault({sim::FaultKind::Refuse, 9, 1});
    f.EolCheckAd(QStringLiteral("    POWER 1:"), 7, value + aboveMaximum, value - belowMinimum);
    QCOMPARE(b.Log(), (QStringList{QStringLiteral("    POWER 1:%1").arg(readFails ? 0 : value), verdict}));
    QCOMPARE(f.LastActionOk, readFails ? 0 : 1);
  }

  void saveLogAppendsTheCommentsBlockAtEachSave_data() {
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QStringList>("block");
    QTest::newRow("two lines") << "prima riga\nseconda" << QStringList{"", "Commenti:", "", "prima riga", "seconda"};
    QTest::newRow("empty") << "" << QStringList{"", "Commenti:", "", ""};
  }
  void saveLogAppendsTheCommentsBlockAtEachSave() {
    QFETCH(QString, comment);
    QFETCH(QStringList, block);
    EolBench b;
    auto& f = b.w.form();
    f.edtSer1->setText(QStringLiteral("300"));
    f.edtSer2->setText(QStringLiteral("2"));
    f.edtSer3->setText(QStringLiteral("3"));
    f.edtSer4->setText(QStringLiteral("4"));
    const QStringList run = b.Run(11);
    f.memEOLcomm->setPlainText(comment);
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.txt"));
    const QString second = dir.filePath(QStringLiteral("second.txt"));
    b.w.dialogs().fileAnswers = {first, second};
    b.w.NewConsoleLines();
    b.w.Click("Button38");
    b.w.Click("Button38");

    QCOMPARE(FileBytes(first), CrLf(run + block));
    QCOMPARE(FileBytes(second), CrLf(run + block + block));
    QCOMPARE(b.w.NewConsoleLines(), (QStringList{">>File saved!", ">>File saved!"}));
    const FileDialogRequest& asked = b.w.dialogs().fileRequests.front();
    QCOMPARE(asked.title, QStringLiteral("Save EOL LOG file"));
    QCOMPARE(asked.filter, QStringLiteral("EOL LOG files (*.txt)"));
    QCOMPARE(asked.defaultSuffix, QStringLiteral("txt"));
    QVERIFY2(QRegularExpression(QStringLiteral("/EOL_44-2-3-4_\\d{8}_\\d{6}\\.txt$")).match(asked.folder).hasMatch(),
             qPrintable(asked.folder));
  }

  void aSaveThatFailsWritesNothingAndACancelAddsNothing() {
    EolBench b;
    auto& f = b.w.form();
    const QStringList run = b.Run(11);
    b.w.Click("Button38");  // cancelled: no answer scripted
    QCOMPARE(b.Log(), run);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/eol.txt"));
    b.w.dialogs().fileAnswers = {path};
    b.w.Click("Button38");
    QVERIFY(!QFile::exists(path));
    QVERIFY(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    QCOMPARE(b.w.dialogs().messages.size(), size_t(1));
    QCOMPARE(b.Log().mid(run.size()), (QStringList{"", "Commenti:", "", ""}));
    QVERIFY(!f.memLog->Lines().contains(QStringLiteral(">>File saved!")));
  }
};

QTEST_MAIN(EolConsoleTest)
#include "EolConsoleTest.moc"
