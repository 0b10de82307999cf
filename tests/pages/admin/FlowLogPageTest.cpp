// The flow log capture (Admin #3), the flow graph, ABORT and the capture stop
// timer on the real window against the simulated detector.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "ConsoleMemo.h"
#include "DetectorWindow.h"
#include "PaintBox.h"
#include "RadioGroup.h"
#include "Tag.h"

namespace {

constexpr int kFlowLog = 26;
const QString kHeader = QStringLiteral(
    "index|    A|    R|   fA|   fR|   dA|   dR| dR-A|  fan| #stb|#unst|pulse| #tot| #dis|  ok?| "
    "dfRA|fdfRA| meas|");

// A record with the graphed values A, R, dA, dR and pulse; its other values are their positions.
sim::FlowLogRecord Record(uint16_t index, uint16_t a, uint16_t r = 24000, uint16_t dA = 300,
                          uint16_t dR = 100, uint16_t pulse = 100) {
  return {index, a, r, 3, 4, dA, dR, 7, 1, 9, 10, pulse, 12, 13, 1, 15, 16, 17};
}

// The detector stops measuring by itself and queues these records instead,
// reporting `valid` of them valid (-1: all).
void Queue(DetectorWindow& w, int channel, const std::vector<sim::FlowLogRecord>& records,
           int valid = -1) {
  w.detector().WithModel([&](sim::DeviceModel& m) {
    m.flowLog().StopMeasuring();
    for (const sim::FlowLogRecord& r : records) m.flowLog().Queue(channel, r);
    if (valid >= 0) m.flowLog().ReportValidCount(channel, valid);
  });
}

// P1 and P2 of every flow-log request since the request log was cleared.
QList<QPair<int, int>> FanSpeedsSent(DetectorWindow& w) {
  QList<QPair<int, int>> speeds;
  for (const std::vector<uint8_t>& r : w.detector().RequestLog())
    if (r[0] == kFlowLog) speeds << qMakePair(int(r[3]), int(r[4]));
  return speeds;
}

QImage Rendered(QWidget* box) {
  QImage image(box->size(), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  box->render(&image);
  return image;
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs the test in a fresh current folder, where SAVE FILES writes.
class InTemporaryFolder {
 public:
  InTemporaryFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
  ~InTemporaryFolder() { QDir::setCurrent(previous_); }
  QString path() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
  QString previous_;
};

}  // namespace

class FlowLogPageTest : public QObject {
  Q_OBJECT
 private slots:
  // The valid records are listed; every record whose first byte is not 0 is
  // drawn, a valid one or not.
  void recordsAreListedByCountAndDrawnByFirstByte() {
    DetectorWindow w;
    auto& f = w.form();
    QCOMPARE(f.memShowLogCol1->toPlainText(), kHeader);
    QCOMPARE(f.memShowLogCol2->toPlainText(), kHeader);
    QVERIFY(w.Connect());
    Queue(w, 0, {Record(0x0101, 21001), Record(0x0005, 21002), Record(0x0103, 21003),
                 Record(0x0104, 21004), Record(0x0105, 21005)}, 3);
    f.tmrFlowLogTimer(nullptr);
    const QStringList first = f.memFlowLog1->Lines();
    QCOMPARE(first.size(), 3);
    QCOMPARE(first[0], QStringLiteral("  257|21001|24000|    3|    4|  300|  100|    7|    1|    9|"
                                      "   10|  100|   12|   13|    1|   15|   16|   17|"));
    QVERIFY(first[1].startsWith("    5|21002|"));
    QVERIFY(first[2].startsWith("  259|21003|"));
    QVERIFY(f.memFlowLog2->Lines().isEmpty());
    QCOMPARE(f.FlowGraph.SampleIndex, 4);
    QCOMPARE(f.FlowGraph.Series[0][0], 0);
    const int drawn[] = {21001, 21003, 21004, 21005};
    for (int i = 0; i < 4; ++i) QCOMPARE(f.FlowGraph.Series[0][1 + i], drawn[i]);
    const int others[] = {24000, 300, 100, 100};
    for (int s = 1; s < 5; ++s) QCOMPARE(f.FlowGraph.Series[s][4], others[s - 1]);

    Queue(w, 0, {Record(0x0106, 21006), Record(0x0107, 21007)});
    f.tmrFlowLogTimer(nullptr);
    const QStringList second = f.memFlowLog1->Lines();
    QCOMPARE(second.size(), 5);
    QVERIFY(second[4].startsWith("  263|21007|"));
    QCOMPARE(f.FlowGraph.SampleIndex, 6);

    // Another graph channel clears lists and graph; the headings stay.
    f.rgFlowLog->SetItemIndex(1);
    QVERIFY(f.memFlowLog1->Lines().isEmpty());
    QCOMPARE(f.FlowGraph.SampleIndex, 0);
    QCOMPARE(f.FlowGraph.Series[0][1], 0);
    QCOMPARE(f.memShowLogCol2->toPlainText(), kHeader);
    Queue(w, 0, {Record(0x0108, 21008)});
    Queue(w, 1, {Record(0x0109, 22009)});
    f.tmrFlowLogTimer(nullptr);
    QCOMPARE(f.FlowGraph.SampleIndex, 1);
    QCOMPARE(f.FlowGraph.Series[0][1], 22009);
  }

  // The first sample lands at index 1; the 750th scrolls the graph left by 100.
  void theGraphScrollsAtSample750() {
    DetectorWindow w;
    auto& f = w.form();
    QVERIFY(w.Connect());
    std::vector<sim::FlowLogRecord> ten;
    for (int k = 0; k < 10; ++k) ten.push_back(Record(0x0100, static_cast<uint16_t>(21000 + k)));
    const auto tick = [&] {
      Queue(w, 0, ten);
      f.tmrFlowLogTimer(nullptr);
    };
    tick();
    QCOMPARE(f.FlowGraph.SampleIndex, 10);
    QCOMPARE(f.FlowGraph.Series[0][1], 21000);
    for (int n = 2; n <= 74; ++n) tick();
    QCOMPARE(f.FlowGraph.SampleIndex, 740);
    QCOMPARE(f.FlowGraph.Series[0][740], 21009);
    tick();  // samples 741..750
    QCOMPARE(f.FlowGraph.SampleIndex, 650);
    // Sample n holds 21000 + (n - 1) mod 10; sample 100 is now at 0, 749 at 649, 750 at 650.
    QCOMPARE(f.FlowGraph.Series[0][0], 21009);
    QCOMPARE(f.FlowGraph.Series[0][649], 21008);
    QCOMPARE(f.FlowGraph.Series[0][650], 21009);
    for (int s = 0; s < 5; ++s)
      for (int i = 651; i < 1000; ++i) QCOMPARE(f.FlowGraph.Series[s][i], 0);
  }

  // With a step every 100 ticks both fans go 1, 2, ... 10; the 1000th tick
  // would make them 11, so they stay 10 and the capture stops.
  void automaticSteppingSweepsTheFansAndStops() {
    DetectorWindow w;
    auto& f = w.form();
    f.pacing().SetScale(0.001);
    QVERIFY(w.Connect());
    w.NewConsoleLines();
    w.detector().ClearRequestLog();
    f.cboFlowLog->setChecked(true);
    QVERIFY(f.tmrFlowLog->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!f.cboFlowLog->isChecked(), 100000);
    QVERIFY(!f.tmrFlowLog->isActive());
    const QList<QPair<int, int>> sent = FanSpeedsSent(w);
    QCOMPARE(sent.size(), 1000);
    for (int tick = 0; tick < 1000; ++tick) {
      const int speed = 1 + tick / 100;
      QCOMPARE(sent[tick], qMakePair(speed, speed));
    }
    QCOMPARE(f.edtFlowLogFan1->text(), QStringLiteral("10"));
    QCOMPARE(f.edtFlowLogFan2->text(), QStringLiteral("10"));
    const QStringList counter = w.NewConsoleLines();
    QCOMPARE(counter.size(), 1000);
    for (int tick = 0; tick < 1000; ++tick) QCOMPARE(counter[tick], QString::number(tick % 100));
  }

  void aFanAtZeroNeverSteps() {
    DetectorWindow w;
    auto& f = w.form();
    f.pacing().SetScale(0.001);
    QVERIFY(w.Connect());
    // Fan 1 at 0, fan 2 one step from the top.
    f.edtFlowLogFan1->setText(QStringLiteral("0"));
    f.edtFlowLogFan2->setText(QStringLiteral("9"));
    f.edtFlowLogIncSpeed->setText(QStringLiteral("2"));
    w.detector().ClearRequestLog();
    f.cboFlowLog->setChecked(true);
    QTRY_VERIFY_WITH_TIMEOUT(!f.cboFlowLog->isChecked(), 20000);
    const QList<QPair<int, int>> expected = {{0, 9}, {0, 9}, {0, 10}, {0, 10}};
    QCOMPARE(FanSpeedsSent(w), expected);
    QCOMPARE(f.edtFlowLogFan1->text(), QStringLiteral("0"));
    QCOMPARE(f.edtFlowLogFan2->text(), QStringLiteral("10"));

    // Both at 0: the capture never stops by itself.
    f.edtFlowLogFan2->setText(QStringLiteral("0"));
    f.edtFlowLogIncSpeed->setText(QStringLiteral("1"));
    w.detector().ClearRequestLog();
    f.cboFlowLog->setChecked(true);
    QTRY_VERIFY_WITH_TIMEOUT(FanSpeedsSent(w).size() >= 20, 20000);
    QVERIFY(f.cboFlowLog->isChecked());
    f.cboFlowLog->setChecked(false);
    QVERIFY(!f.tmrFlowLog->isActive());
    for (const auto& speeds : FanSpeedsSent(w)) QCOMPARE(speeds, qMakePair(0, 0));
  }

  // The counter is past a count lowered during the capture: the next tick steps.
  void aStepCountLoweredDuringTheCaptureStillSteps() {
    DetectorWindow w;
    auto& f = w.form();
    QVERIFY(w.Connect());
    for (int tick = 0; tick < 3; ++tick) f.tmrFlowLogTimer(nullptr);
    QCOMPARE(f.edtFlowLogFan1->text(), QStringLiteral("1"));
    f.edtFlowLogIncSpeed->setText(QStringLiteral("2"));
    f.tmrFlowLogTimer(nullptr);
    QCOMPARE(f.edtFlowLogFan1->text(), QStringLiteral("2"));
    QCOMPARE(f.edtFlowLogFan2->text(), QStringLiteral("2"));
    QCOMPARE(Tag(f.edtFlowLogIncSpeed), 0);
  }

  void captureEndsWhenTheDeviceFailsOrIsGone() {
    DetectorWindow w;
    auto& f = w.form();
    QVERIFY(w.Connect());
    w.detector().InjectFault({sim::FaultKind::Refuse, kFlowLog});
    f.cboFlowLog->setChecked(true);
    QTRY_VERIFY(!f.cboFlowLog->isChecked());
    QVERIFY(!f.tmrFlowLog->isActive());
    QCOMPARE(f.memFlowLog1->Lines(), QStringList{"ERROR"});
    QCOMPARE(f.memFlowLog2->Lines(), QStringList{"ERROR"});

    w.Click("Button2");
    w.NewConsoleLines();
    f.cboFlowLog->setChecked(true);
    QTRY_VERIFY(!f.cboFlowLog->isChecked());
    QVERIFY(!f.tmrFlowLog->isActive());
    QCOMPARE(w.NewConsoleLines(), QStringList{">>Not connected!"});
  }

  void abortStopsTheCaptureAndTheStopTimer() {
    DetectorWindow w;
    auto& f = w.form();
    QVERIFY(w.Connect());
    f.btnabort->setEnabled(true);  // as the diagnostic run leaves it
    f.cboFlowLog->setChecked(true);
    f.EnableCaptureStopTimer();
    QVERIFY(f.tmrFlowLog->isActive() && f.tmr30->isActive());
    w.NewConsoleLines();
    w.Click("btnabort");
    QVERIFY(!f.btnabort->isEnabled());
    QCOMPARE(Tag(f.btnabort), 1);
    QVERIFY(!f.cboFlowLog->isChecked());
    QVERIFY(!f.tmrFlowLog->isActive());
    QVERIFY(!f.tmr30->isActive());
    QCOMPARE(w.NewConsoleLines(), (QStringList{" ", " ", "ABORTED"}));
  }

  // tmr30 ends the capture at every tick and stays enabled until ABORT.
  void theStopTimerEndsEveryLaterCapture() {
    DetectorWindow w;
    auto& f = w.form();
    f.pacing().SetScale(0.002);
    QVERIFY(w.Connect());
    QVERIFY(!f.tmr30->isActive());
    f.cboFlowLog->setChecked(true);
    f.EnableCaptureStopTimer();
    QTRY_VERIFY(!f.cboFlowLog->isChecked());
    QVERIFY(!f.tmrFlowLog->isActive());
    QVERIFY(f.tmr30->isActive());
    f.cboFlowLog->setChecked(true);  // started by hand afterwards
    QTRY_VERIFY(!f.cboFlowLog->isChecked());
    QVERIFY(f.tmr30->isActive());
  }

  // Every press puts the headings above the lists again; the files are the lists, CR LF.
  void saveFilesInsertsTheHeadingsAtEveryPress() {
    InTemporaryFolder folder;
    DetectorWindow w;
    auto& f = w.form();
    QVERIFY(w.Connect());
    Queue(w, 0, {Record(0x0101, 21001), Record(0x0102, 21002)});
    f.tmrFlowLogTimer(nullptr);
    const QStringList records = f.memFlowLog1->Lines();
    w.Click("Button27");
    w.Click("Button27");
    QCOMPARE(f.memFlowLog1->Lines(), (QStringList{kHeader, kHeader} + records));
    QCOMPARE(f.memFlowLog2->Lines(), (QStringList{kHeader, kHeader}));
    const QByteArray header = kHeader.toLatin1() + "\r\n";
    QCOMPARE(FileBytes("channel1.txt"),
             header + header + records.join("\r\n").toLatin1() + "\r\n");
    QCOMPARE(FileBytes("channel2.txt"), header + header);
    QCOMPARE(w.dialogs().messages.size(), size_t{2});
    for (const auto& shown : w.dialogs().messages) {
      QCOMPARE(shown.kind, MessageKind::Information);
      QCOMPARE(shown.text, QStringLiteral("Files saved!"));
    }
  }

  // A file that cannot be written is not written at all, and not reported saved.
  void aFileThatCannotBeWrittenIsLeftAlone() {
    InTemporaryFolder folder;
    DetectorWindow w;
    QVERIFY(QDir(folder.path()).mkdir("channel2.txt"));
    w.Click("Button27");
    QCOMPARE(FileBytes("channel1.txt"), kHeader.toLatin1() + "\r\n");
    QVERIFY(QFileInfo("channel2.txt").isDir());
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             (QStringList{"channel1.txt", "channel2.txt"}));
    QCOMPARE(w.dialogs().messages.size(), size_t{1});
    QCOMPARE(w.dialogs().messages[0].kind, MessageKind::Error);
    QVERIFY(w.dialogs().messages[0].text.contains("channel2.txt"));
  }

  // A setting that is no number ends the action with the conversion error
  // box, once; no timer runs and nothing is sent.
  void settingsThatAreNoNumbersEndTheCapture() {
    struct Case {
      const char* box;
      const char* text;
      bool atStart;  // refused when the capture starts, else at its next tick
    } cases[] = {
        {"edtFlowLogRate", "abc", true},        {"edtFlowLogRate", "0", true},
        {"edtFlowLogRate", "", true},           {"edtFlowLogFan1", "x", false},
        {"edtFlowLogFan2", "1.5", false},       {"edtFlowLogIncSpeed", "many", false},
    };
    DetectorWindow w;
    auto& f = w.form();
    QVERIFY(w.Connect());
    for (const Case& c : cases) {
      auto* box = f.findChild<QLineEdit*>(c.box);
      const QString good = box->text();
      w.dialogs().messages.clear();
      if (!c.atStart) {
        f.cboFlowLog->setChecked(true);
        QVERIFY2(f.tmrFlowLog->isActive(), c.box);
      }
      box->setText(QString::fromLatin1(c.text));
      w.detector().ClearRequestLog();
      f.cboFlowLog->setChecked(true);
      QTRY_VERIFY2(!w.dialogs().messages.empty(), c.box);
      QTest::qWait(50);  // no second box, no tick
      QCOMPARE(w.dialogs().messages.size(), size_t{1});
      QCOMPARE(w.dialogs().messages[0].kind, MessageKind::Error);
      QVERIFY2(w.dialogs().messages[0].text.contains(QString::fromLatin1(c.text)), c.box);
      QVERIFY2(!f.cboFlowLog->isChecked() && !f.tmrFlowLog->isActive(), c.box);
      QVERIFY2(FanSpeedsSent(w).isEmpty(), c.box);
      box->setText(good);
    }
  }

  // After a capture: every series in its colour at its row, on both graphs,
  // over a silver grid, the newest value beside the last dot.
  void theGraphShowsEachSeriesInItsColourAtItsRow() {
    DetectorWindow w;
    auto& f = w.form();
    QVERIFY(w.Connect());
    Queue(w, 0, std::vector<sim::FlowLogRecord>(10, Record(0x0101, 21000, 24000, 300, 100, 100)));
    f.tmrFlowLogTimer(nullptr);
    const QImage large = Rendered(f.pbFlow2);
    QCOMPARE(large.size(), QSize(797, 355));
    struct Series {
      QColor colour;
      int row;  // on the large graph
    } series[] = {{QColor(0, 0, 255), 316}, {QColor(255, 0, 0), 79}, {QColor(0, 0, 0), 178},
                  {QColor(0, 128, 0), 305}, {QColor(128, 128, 128), 102}};
    for (const Series& s : series)
      for (int x = 1; x <= 10; ++x) QCOMPARE(large.pixelColor(x, s.row), s.colour);
    QCOMPARE(large.pixelColor(400, 20), QColor(192, 192, 192));
    QCOMPARE(large.pixelColor(400, 25), QColor(Qt::white));
    // "21000" in blue (smoothed at its edges), 3 pixels right of and up from the last dot's end (11, 317).
    int blue = 0;
    for (int x = 14; x < 60; ++x)
      for (int y = 314; y < 330; ++y) {
        const QColor c = large.pixelColor(x, y);
        blue += c.blue() > 128 && c.red() < 100 && c.green() < 100;
      }
    QVERIFY(blue > 10);

    const QImage small = Rendered(f.pb);
    QCOMPARE(small.size(), QSize(781, 117));
    QCOMPARE(small.pixelColor(5, 104), QColor(0, 0, 255));  // A of 21000 on 117 rows

    // Limits that are no numbers, or leave no span, draw at the defaults.
    for (const auto& [lo, hi] : {std::pair{"abc", "25000"}, std::pair{"25000", "20500"},
                                 std::pair{"20500", ""}}) {
      f.edtAndataMin->setText(QString::fromLatin1(lo));
      f.edtAndataMax->setText(QString::fromLatin1(hi));
      QCOMPARE(Rendered(f.pbFlow2), large);
    }
    f.edtAndataMin->setText("20000");
    f.edtAndataMax->setText("23000");
    const QImage narrow = Rendered(f.pbFlow2);
    QCOMPARE(narrow.pixelColor(5, 237), QColor(0, 0, 255));  // 1000 of 3000 above the bottom
    QCOMPARE(narrow.pixelColor(5, 1), QColor(255, 0, 0));    // R beyond the top limit
  }

  // A live capture: the newest pulse sample is drawn in grey at its row.
  void aLiveCaptureDrawsTheDetectorsRecords() {
    DetectorWindow w;
    auto& f = w.form();
    QVERIFY(w.Connect());
    for (int tick = 0; tick < 3; ++tick) {
      QTest::qWait(120);
      f.tmrFlowLogTimer(nullptr);
    }
    const int last = f.FlowGraph.SampleIndex;
    QVERIFY(last > 0);
    const int pulse = f.FlowGraph.Series[4][last];
    QVERIFY(pulse > 0 && pulse < 140);
    QCOMPARE(Rendered(f.pbFlow2).pixelColor(last, 355 - static_cast<int>(pulse * 355 / 140)),
             QColor(128, 128, 128));
  }

  // "Save graph as PNG..." writes exactly what the box draws.
  void saveGraphWritesThePngAsDrawn() {
    QTemporaryDir dir;
    DetectorWindow w;
    auto& f = w.form();
    QVERIFY(w.Connect());
    Queue(w, 0, std::vector<sim::FlowLogRecord>(10, Record(0x0101, 21000)));
    f.tmrFlowLogTimer(nullptr);
    for (PaintBox* box : {f.pb, f.pbFlow2}) {
      const QString path = dir.filePath(box->objectName() + ".png");
      w.dialogs().fileAnswers.push_back(path);
      box->findChild<QAction*>("mnuSaveGraph")->trigger();
      QCOMPARE(w.dialogs().fileRequests.back().filter, QStringLiteral("PNG files (*.png)"));
      QImage saved(path, "PNG");
      QVERIFY2(!saved.isNull(), qPrintable(path));
      QCOMPARE(saved.convertToFormat(QImage::Format_ARGB32),
               Rendered(box).convertToFormat(QImage::Format_ARGB32));
    }
    // Cancelled: nothing written, no box.
    f.pbFlow2->findChild<QAction*>("mnuSaveGraph")->trigger();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    QVERIFY(w.dialogs().messages.empty());
  }
};

QTEST_MAIN(FlowLogPageTest)
#include "FlowLogPageTest.moc"
