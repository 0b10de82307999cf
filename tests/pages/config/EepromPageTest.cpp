// The EEPROM page on the real window against the simulated detector: the
// grids, their reads and writes, the ".e2p" file, the backup copy and the
// service actions.
#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "ConsoleMemo.h"
#include "DetectorWindow.h"
#include "EepromGrid.h"
#include "Tag.h"

namespace {
constexpr int kWriteMemory = 4;

int Eeprom(DetectorWindow& w, int address) {
  return w.detector().WithModel([address](sim::DeviceModel& m) { return int{m.Eeprom(address)}; });
}

void SetEeprom(DetectorWindow& w, int address, uint8_t value) {
  w.detector().WithModel([&](sim::DeviceModel& m) { m.SetEeprom(address, value); });
}

// What the operator's typing leaves in a value cell.
void Type(EepromGrid* grid, int row, const QString& value) {
  QAbstractItemModel* model = grid->model();
  model->setData(model->index(row, 1), value);
}

QString Value(EepromGrid* grid, int row) { return grid->Rows().at(row).value; }

// "address+count" of every memory write the detector received.
QStringList WriteRanges(DetectorWindow& w) {
  QStringList ranges;
  for (const std::vector<uint8_t>& frame : w.detector().RequestLog())
    if (frame[0] == kWriteMemory)
      ranges << QStringLiteral("%1+%2").arg(frame[3] + 256 * frame[4]).arg(frame[5] + 256 * frame[6]);
  return ranges;
}

// Connected, with the device's bytes 0..511 read into the grid.
void ConnectAndRead(DetectorWindow& w) {
  QVERIFY(w.Connect());
  w.Click("btnrseep");
  w.NewConsoleLines();
  w.detector().ClearRequestLog();
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray LinesOf(int count, const char* value) {
  QByteArray bytes;
  for (int i = 0; i < count; ++i) bytes += QByteArray::number(i) + '=' + value + "\r\n";
  return bytes;
}
}  // namespace

class EepromPageTest : public QObject {
  Q_OBJECT
 private slots:
  void startsWithZeroGrids() {
    TFrmTestTKV form;
    const GridRows& image = form.vleE2P->Rows();
    QCOMPARE(image.size(), 512);
    QCOMPARE(image.first(), (GridRow{"0", "0"}));
    QCOMPARE(image.last(), (GridRow{"511", "0"}));
    const GridRows& onf = form.vleE2P_log->Rows();
    QCOMPARE(onf.size(), 64);
    QCOMPARE(onf.first(), (GridRow{"1024", "0"}));
    QCOMPARE(onf.last(), (GridRow{"1087", "0"}));
    QCOMPARE(form.lblE2P->text(), QStringLiteral("0 - 512"));
    QCOMPARE(form.lblE2P_log->text(), QStringLiteral("1024 - 1087"));
    const QAbstractItemModel* model = form.vleE2P->model();
    QVERIFY(!(model->flags(model->index(0, 0)) & Qt::ItemIsEditable));
    QVERIFY(model->flags(model->index(0, 1)) & Qt::ItemIsEditable);
  }

  void readFillsTheGrid() {
    DetectorWindow w;
    SetEeprom(w, 293, 15);
    QVERIFY(w.Connect());
    w.NewConsoleLines();
    w.Click("btnrseep");
    QCOMPARE(w.NewConsoleLines(), QStringList{">>Bytes 0-511 read!"});
    QCOMPARE(w.form().vleE2P->Rows().size(), 512);
    for (int i : {0, 48, 275, 293, 511}) QCOMPARE(Value(w.form().vleE2P, i), QString::number(Eeprom(w, i)));
    QVERIFY(w.form().btnrseep->isEnabled());
    // the accessors SET TREND LOG uses
    QCOMPARE(w.form().E2PValue("293"), QStringLiteral("15"));
    QCOMPARE(w.form().E2PValue("9999"), QString());
    w.form().SetE2PValue("293", "20");
    QCOMPARE(Value(w.form().vleE2P, 293), QStringLiteral("20"));
  }

  void readRefusedKeepsTheGrid() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    Type(w.form().vleE2P, 7, "99");
    const GridRows before = w.form().vleE2P->Rows();
    w.NewConsoleLines();
    w.detector().InjectFault({sim::FaultKind::Refuse, 3});
    w.Click("btnrseep");
    const QStringList lines = w.NewConsoleLines();
    QCOMPARE(lines.size(), 1);
    QVERIFY(lines[0].startsWith(">>TKV Error [20] "));
    QCOMPARE(w.form().vleE2P->Rows(), before);
    QVERIFY(w.form().btnrseep->isEnabled());
  }

  void writeSendsTheRangesOfItsTag_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("ranges");
    const QStringList all{"0+256", "256+20", "276+236"};
    QTest::newRow("write") << "Button28" << all;
    QTest::newRow("LOB only") << "Button156" << QStringList{"0+256"};
    QTest::newRow("FCT only") << "Button157" << QStringList{"256+20"};
    QTest::newRow("CFG only") << "Button158" << QStringList{"276+236"};
    QTest::newRow("no sender") << "" << all;
  }
  void writeSendsTheRangesOfItsTag() {
    QFETCH(QString, button);
    QFETCH(QStringList, ranges);
    DetectorWindow w;
    ConnectAndRead(w);
    if (button.isEmpty())
      RunGuarded(w.dialogs(), [&] { w.form().Button28Click(nullptr); });
    else
      w.Click(qPrintable(button));
    QCOMPARE(WriteRanges(w), ranges);
    QCOMPARE(w.dialogs().questions, QStringList());  // the checksums read are right
    QCOMPARE(w.NewConsoleLines(), QStringList{">>Bytes 0-511 written!"});
    QCOMPARE(w.form().LastActionOk, 1);
    if (!button.isEmpty()) QVERIFY(w.form().findChild<QAbstractButton*>(button)->isEnabled());
  }

  void wrongChecksumAsks_data() {
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("corrected");
    QTest::newRow("No") << QList<bool>{false} << false << false;
    QTest::newRow("Yes, No") << QList<bool>{true, false} << true << false;
    QTest::newRow("Yes, Yes") << QList<bool>{true, true} << true << true;
  }
  void wrongChecksumAsks() {
    QFETCH(QList<bool>, answers);
    QFETCH(bool, written);
    QFETCH(bool, corrected);
    DetectorWindow w;
    ConnectAndRead(w);
    EepromGrid* grid = w.form().vleE2P;
    const int oldChecksum = Eeprom(w, 48);
    const int typed = (Eeprom(w, 10) + 1) % 256;
    Type(grid, 10, QString::number(typed));
    const int rightChecksum = (oldChecksum + 1) % 256;
    w.dialogs().yesNoAnswers.assign(answers.begin(), answers.end());
    w.form().LastActionOk = 0;
    w.Click("Button28");

    QStringList asked{"Checksum values are wrong. Write EEPROM anyway?", "Correct checksum values?"};
    QCOMPARE(w.dialogs().questions, asked.mid(0, answers.size()));
    QCOMPARE(WriteRanges(w).size(), written ? 3 : 0);
    QCOMPARE(Eeprom(w, 10), written ? typed : typed - 1);
    QCOMPARE(Eeprom(w, 48), corrected ? rightChecksum : oldChecksum);
    QCOMPARE(Value(grid, 48), QString::number(corrected ? rightChecksum : oldChecksum));
    QStringList lines;
    if (corrected) lines << ">>e2p bytes 0-511 checksums updated";
    if (written) lines << ">>Bytes 0-511 written!";
    QCOMPARE(w.NewConsoleLines(), lines);
    QCOMPARE(w.form().LastActionOk, written ? 1 : 0);
    QVERIFY(w.form().Button28->isEnabled());
  }

  void valuesAreWrittenAsTheirLow8Bits() {
    DetectorWindow w;
    ConnectAndRead(w);
    Type(w.form().vleE2P, 5, "300");
    Type(w.form().vleE2P, 6, "-1");
    w.dialogs().yesNoAnswers = {true, false};
    w.Click("Button156");
    QCOMPARE(Eeprom(w, 5), 44);
    QCOMPARE(Eeprom(w, 6), 255);
    QCOMPARE(Value(w.form().vleE2P, 5), QStringLiteral("300"));
  }

  void valueThatIsNoIntegerStopsBeforeAnyDeviceAccess_data() {
    QTest::addColumn<QString>("button");
    for (const char* button : {"Button28", "Button157", "Button3", "btnWriteE2P_log"})
      QTest::newRow(button) << QString::fromLatin1(button);
  }
  void valueThatIsNoIntegerStopsBeforeAnyDeviceAccess() {
    QFETCH(QString, button);
    DetectorWindow w;
    ConnectAndRead(w);
    Type(w.form().vleE2P, 7, "abc");
    Type(w.form().vleE2P_log, 7, "abc");
    const GridRows before = w.form().vleE2P->Rows();
    const uint64_t requests = w.detector().RequestCount();
    w.Click(qPrintable(button));
    QCOMPARE(w.dialogs().messages.size(), size_t{1});
    QCOMPARE(w.dialogs().messages[0].kind, MessageKind::Error);
    QCOMPARE(w.dialogs().messages[0].text, QStringLiteral("'abc' is not a valid integer value"));
    QCOMPARE(w.detector().RequestCount(), requests);
    QCOMPARE(w.NewConsoleLines(), QStringList());
    QCOMPARE(w.form().vleE2P->Rows(), before);
    QVERIFY(w.form().findChild<QAbstractButton*>(button)->isEnabled());
  }

  void storedDifferentIsAnErrorNotASuccess() {
    DetectorWindow w;
    ConnectAndRead(w);
    w.detector().InjectFault({sim::FaultKind::StoreDifferent, kWriteMemory});
    w.form().LastActionOk = 0;
    w.Click("Button28");
    QCOMPARE(w.NewConsoleLines(), QStringList{">>TKV Error [0] unknown error"});
    QCOMPARE(w.form().LastActionOk, 0);
    QVERIFY(w.form().Button28->isEnabled());
  }

  void updChkOnZerosGivesTheSeeds() {
    TFrmTestTKV form;
    form.Button3->click();
    for (int i = 0; i < 512; ++i) {
      const char* expected = i == 48 ? "1" : i == 275 ? "3" : i == 495 ? "5" : "0";
      QCOMPARE(Value(form.vleE2P, i), QString::fromLatin1(expected));
    }
    QVERIFY(form.memLog->Lines().isEmpty());
    QVERIFY(form.Button3->isEnabled());
  }

  void clearGrids() {
    DetectorWindow w;
    ConnectAndRead(w);
    w.Click("btnReadE2P_log");
    Type(w.form().vleE2P, 3, "9");
    Type(w.form().vleE2P_log, 3, "9");
    w.NewConsoleLines();
    w.Click("Button25");
    w.Click("btnClearE2P_log");
    QCOMPARE(w.NewConsoleLines(), (QStringList{">>EEPROM grid values cleared!", ">>Grid values cleared!"}));
    TFrmTestTKV fresh;
    QCOMPARE(w.form().vleE2P->Rows(), fresh.vleE2P->Rows());
    QCOMPARE(w.form().vleE2P_log->Rows(), fresh.vleE2P_log->Rows());
  }

  void exportThenImportGivesTheSameGridAndFile() {
    DetectorWindow w;
    ConnectAndRead(w);
    QTemporaryDir dir;
    const QString path = dir.filePath("image.e2p");
    w.dialogs().fileAnswers = {path};
    w.Click("btnExportE2P");
    QCOMPARE(w.NewConsoleLines(), QStringList{">>File saved!"});
    const FileDialogRequest saved = w.dialogs().fileRequests.at(0);
    QCOMPARE(saved.title, QStringLiteral("Save EEPROM (bytes 0-511) file"));
    QCOMPARE(saved.filter, QStringLiteral("EEPROM files (*.e2p)"));
    QCOMPARE(saved.defaultSuffix, QStringLiteral("e2p"));
    QCOMPARE(saved.folder, QCoreApplication::applicationDirPath());

    QByteArray expected;
    for (int i = 0; i < 512; ++i) expected += QByteArray::number(i) + '=' + QByteArray::number(Eeprom(w, i)) + "\r\n";
    const QByteArray file = ReadFile(path);
    QCOMPARE(file, expected);  // 512 lines, CR LF after each, no byte-order mark

    const GridRows read = w.form().vleE2P->Rows();
    w.Click("Button25");
    w.NewConsoleLines();
    w.form().LastActionOk = 0;
    w.dialogs().fileAnswers = {path};
    w.Click("btnImportE2P");
    QCOMPARE(w.NewConsoleLines(), QStringList{">>Grid values updated!"});
    QCOMPARE(w.form().LastActionOk, 1);
    QCOMPARE(w.form().vleE2P->Rows(), read);
    const FileDialogRequest loaded = w.dialogs().fileRequests.at(1);
    QCOMPARE(loaded.title, QStringLiteral("Load EEPROM (bytes 0-511) file"));
    QCOMPARE(loaded.filter, saved.filter);
    QCOMPARE(loaded.defaultSuffix, saved.defaultSuffix);

    const QString again = dir.filePath("again.e2p");
    w.dialogs().fileAnswers = {again};
    w.Click("btnExportE2P");
    QCOMPARE(ReadFile(again), file);
  }

  void shortFileGivesItsRowsAndTheNextWriteStops() {
    DetectorWindow w;
    ConnectAndRead(w);
    QTemporaryDir dir;
    const QString path = dir.filePath("short.e2p");
    QVERIFY(WriteFile(path, LinesOf(9, "1") + "9"));  // no break after the last line
    w.dialogs().fileAnswers = {path};
    w.Click("btnImportE2P");
    const GridRows& rows = w.form().vleE2P->Rows();
    QCOMPARE(rows.size(), 10);
    QCOMPARE(rows[3], (GridRow{"3", "1"}));
    QCOMPARE(rows[9], (GridRow{"9", ""}));

    w.Click("Button28");
    QCOMPARE(w.dialogs().messages.at(0).text, QStringLiteral("'' is not a valid integer value"));
    QCOMPARE(WriteRanges(w), QStringList());
  }

  void importRefusesWhatIsNoEepromText_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::newRow("NUL byte") << LinesOf(5, "1") + QByteArray("7=\0\r\n", 5) << true;
    QByteArray large;
    while (large.size() <= 1024 * 1024) large += LinesOf(512, "0");
    QTest::newRow("larger than 1 MiB") << large << true;
    QTest::newRow("unreadable") << QByteArray() << false;
  }
  void importRefusesWhatIsNoEepromText() {
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    DetectorWindow w;
    ConnectAndRead(w);
    QTemporaryDir dir;
    const QString path = dir.filePath("image.e2p");
    if (exists) QVERIFY(WriteFile(path, content));
    const GridRows before = w.form().vleE2P->Rows();
    w.form().LastActionOk = 1;
    w.dialogs().fileAnswers = {path};
    w.Click("btnImportE2P");
    QCOMPARE(w.dialogs().messages.size(), size_t{1});
    QCOMPARE(w.dialogs().messages[0].kind, MessageKind::Error);
    QVERIFY(w.dialogs().messages[0].text.contains(path));
    QCOMPARE(w.NewConsoleLines(), QStringList{">>Grid values not updated!"});
    QCOMPARE(w.form().vleE2P->Rows(), before);
    QCOMPARE(w.form().LastActionOk, 0);
  }

  void importCancelledClearsLastActionOk() {
    TFrmTestTKV form(std::make_unique<ScriptedDialogs>());
    const GridRows before = form.vleE2P->Rows();
    form.LastActionOk = 1;
    form.btnImportE2P->click();
    QCOMPARE(form.LastActionOk, 0);
    QCOMPARE(form.vleE2P->Rows(), before);
    QVERIFY(form.memLog->Lines().isEmpty());
  }

  // Import and [ONF] read used to need the EEPROM page on show.
  void importAndOnfReadWorkFromAnotherPage() {
    DetectorWindow w;
    ConnectAndRead(w);
    w.form().show();
    w.form().ShowEngineeringPages(true);
    w.form().PageControl1->setCurrentIndex(0);
    QTemporaryDir dir;
    const QString path = dir.filePath("image.e2p");
    QVERIFY(WriteFile(path, LinesOf(512, "2")));
    w.form().LastActionOk = 0;
    w.dialogs().fileAnswers = {path};
    RunGuarded(w.dialogs(), [&] { w.form().btnImportE2PClick(nullptr); });
    w.Click("btnReadE2P_log");
    QCOMPARE(w.dialogs().messages.size(), size_t{0});
    QCOMPARE(w.NewConsoleLines(), (QStringList{">>Grid values updated!", ">>Bytes 1024-1087 read!"}));
    QCOMPARE(w.form().LastActionOk, 1);
    QCOMPARE(Value(w.form().vleE2P, 511), QStringLiteral("2"));
    for (int i : {0, 4, 63}) QCOMPARE(Value(w.form().vleE2P_log, i), QString::number(Eeprom(w, 1024 + i)));
    QCOMPARE(w.form().PageControl1->currentIndex(), 0);
  }

  void onfWrite_data() {
    QTest::addColumn<bool>("updateChk");
    QTest::addColumn<int>("sent");
    QTest::newRow("update chk") << true << 7;  // the seed over 63 zeros
    QTest::newRow("as typed") << false << 9;
  }
  void onfWrite() {
    QFETCH(bool, updateChk);
    QFETCH(int, sent);
    DetectorWindow w;
    ConnectAndRead(w);
    Type(w.form().vleE2P_log, 63, "9");
    w.form().cboChkOnf->setChecked(updateChk);
    w.Click("btnWriteE2P_log");
    QCOMPARE(w.NewConsoleLines(), QStringList{">>Bytes 1024-1087 written!"});
    QCOMPARE(WriteRanges(w), QStringList{"1024+64"});
    const std::vector<uint8_t> frame = w.detector().LastRequest(kWriteMemory);
    QCOMPARE(int{frame.at(16 + 63)}, sent);
    QCOMPARE(Eeprom(w, 1087), sent);
    QCOMPARE(Eeprom(w, 1030), 0);
    QCOMPARE(Value(w.form().vleE2P_log, 63), QStringLiteral("9"));
  }

  void backupActions_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("done");
    QTest::addColumn<bool>("reRead");
    QTest::addColumn<bool>("setsOk");
    QTest::newRow("[FCT]") << "Button26" << ">>Device e2p [FCT] area restored" << true << false;
    QTest::newRow("[CFG]") << "Button32" << ">>Device e2p [CFG] area restored" << true << false;
    QTest::newRow("[LOB]") << "Button33" << ">>Device e2p [LOB] area restored" << true << false;
    QTest::newRow("ALL") << "Button35" << ">>Device e2p restored" << true << true;
    QTest::newRow("[ONF]") << "Button34" << ">>Device e2p [ONF] area restored" << false << true;
    QTest::newRow("backup") << "Button31" << ">>Device backup area updated" << false << true;
  }
  void backupActions() {
    QFETCH(QString, button);
    QFETCH(QString, done);
    QFETCH(bool, reRead);
    QFETCH(bool, setsOk);
    DetectorWindow w;
    ConnectAndRead(w);
    Type(w.form().vleE2P, 300, "77");
    w.form().LastActionOk = 0;
    w.Click(qPrintable(button));
    QStringList lines{done};
    if (reRead) lines << ">>Bytes 0-511 read!";
    QCOMPARE(w.NewConsoleLines(), lines);
    QCOMPARE(Value(w.form().vleE2P, 300), reRead ? QString::number(Eeprom(w, 300)) : QStringLiteral("77"));
    QCOMPARE(w.form().LastActionOk, setsOk ? 1 : 0);
    QVERIFY(w.form().findChild<QAbstractButton*>(button)->isEnabled());
  }

  void restoreRefusedDoesNotReRead() {
    DetectorWindow w;
    ConnectAndRead(w);
    w.detector().InjectFault({sim::FaultKind::Refuse, 28});
    w.Click("Button32");
    QCOMPARE(w.NewConsoleLines(),
             QStringList{">>TKV Error [21] device backup eeprom area contains not valid data"});
    QVERIFY(w.form().Button32->isEnabled());
  }

  void serviceIncrementsWrapTo0_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("address");
    QTest::addColumn<QStringList>("console");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("inc byte 1023") << "Button40" << 1023 << QStringList{"x", ">>Bytes 1023 written!"}
                                   << QStringList();
    // the console is cleared first
    QTest::newRow("byte 500 ++") << "Button45" << 500 << QStringList() << QStringList{"Done!"};
  }
  void serviceIncrementsWrapTo0() {
    QFETCH(QString, button);
    QFETCH(int, address);
    QFETCH(QStringList, console);
    QFETCH(QStringList, boxes);
    DetectorWindow w;
    ConnectAndRead(w);
    w.form().ClearConsole();
    w.form().LogLine("x");
    SetEeprom(w, address, 255);
    w.Click(qPrintable(button));
    QCOMPARE(Eeprom(w, address), 0);
    QCOMPARE(w.Console(), console);
    QStringList shown;
    for (const auto& box : w.dialogs().messages) shown << box.text;
    QCOMPARE(shown, boxes);
  }

  void rawCommands() {
    DetectorWindow w;
    ConnectAndRead(w);
    SetEeprom(w, 3, 0);
    w.Click("Button42");
    const std::vector<uint8_t> frame = w.detector().LastRequest(5);
    QCOMPARE(std::vector<uint8_t>(frame.begin() + 3, frame.begin() + 8),
             (std::vector<uint8_t>{3, 0, 1, 0, 255}));
    QCOMPARE(Eeprom(w, 3), 255);
    w.Click("btnRefreshE2P");
    QVERIFY(!w.detector().LastRequest(7).empty());
    QCOMPARE(w.NewConsoleLines(), (QStringList{">>Bytes 3 written!", ">>ASD eeprom refreshed!"}));
  }

  void exportAllE2P() {
    DetectorWindow w;
    ConnectAndRead(w);
    w.Click("Button39");
    const QStringList lines = w.NewConsoleLines();
    QCOMPARE(lines.size(), 1 + 32 * 1024 + 1);
    QCOMPARE(lines.first(), QStringLiteral(">>>--EEPROM-------------------"));
    QCOMPARE(lines.last(), QStringLiteral("<<<--EEPROM-------------------"));
    for (int address : {0, 293, 1023, 1024, 1087, 20000, 32767})
      QCOMPARE(lines[1 + address], QStringLiteral("%1=%2").arg(address).arg(Eeprom(w, address)));
  }

  void exportAllE2PStopsAtAFailingPage() {
    DetectorWindow w;
    ConnectAndRead(w);
    w.detector().InjectFault({sim::FaultKind::Refuse, 36});
    w.Click("Button39");
    QCOMPARE(w.NewConsoleLines(), (QStringList{">>>--EEPROM-------------------", ">>TKV Error [0] unknown error"}));
  }

  void notConnected() {
    DetectorWindow w;
    const char* guarded[] = {"btnrseep", "Button28", "Button156", "Button157", "Button158",
                             "btnRefreshE2P", "Button26", "Button32", "Button33", "Button35",
                             "Button31", "btnReadE2P_log", "btnWriteE2P_log", "Button34",
                             "Button40", "Button42", "Button45", "Button39"};
    for (const char* button : guarded) w.Click(button);
    QCOMPARE(w.Console(), QStringList(std::size(guarded), ">>Not connected!"));
    QVERIFY(w.dialogs().messages.empty());
  }

  // Checksum rows are yellow; nothing is drawn while the grid is refilled (Tag 1).
  void gridDrawing() {
    TFrmTestTKV form;
    form.show();
    form.ShowEngineeringPages(true);
    form.PageControl1->setCurrentIndex(1);
    EepromGrid* grid = form.vleE2P;
    const QModelIndex checksum = grid->model()->index(48, 0);
    grid->scrollTo(checksum, QAbstractItemView::PositionAtTop);
    const auto colourAt = [&](int row) {
      const QRect cell = grid->visualRect(grid->model()->index(row, 0));
      return grid->viewport()->grab().toImage().pixelColor(cell.right() - 3, cell.center().y());
    };
    QCOMPARE(colourAt(48), QColor(Qt::yellow));
    QCOMPARE(colourAt(49), QColor(Qt::white));
    QCOMPARE(grid->rowHeight(48), grid->rowHeight(49));
    SetTag(grid, 1);
    QVERIFY(colourAt(48) != QColor(Qt::yellow));
  }
};

QTEST_MAIN(EepromPageTest)
#include "EepromPageTest.moc"
