// The end-of-line test run by an operator on a factory bench: the real window
// against the simulated detector, from the first step to the stamped EEPROM.
#include <QDate>
#include <QFile>
#include <QPushButton>
#include <QTextStream>
#include <QtTest>

#include "EepromLayout.h"
#include "EolBench.h"
#include "EolStamp.h"
#include "RadioGroup.h"

namespace {
using Image = std::vector<uint8_t>;

Image DetectorImage(EolBench& b) {
  return b.w.detector().WithModel([](sim::DeviceModel& m) {
    return Image(m.eeprom().begin(), m.eeprom().begin() + 512);
  });
}

// The detector's own image as the ".e2p" file the operator picks in step 3.
QString WriteE2pFile(EolBench& b, const QTemporaryDir& dir) {
  const QString path = dir.filePath(QStringLiteral("board.e2p"));
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  const Image image = DetectorImage(b);
  for (int i = 0; i < 512; ++i) file.write(QStringLiteral("%1=%2\r\n").arg(i).arg(image[i]).toLatin1());
  return path;
}

QStringList ExpectedLog(const char* name) {
  QFile file(QStringLiteral(EOL_EXPECTED_DIR "/") + QLatin1String(name));
  if (!file.open(QIODevice::ReadOnly)) qFatal("no expected log %s", name);
  return QString::fromLatin1(file.readAll()).split(QStringLiteral("\n"));
}

int Count(const QStringList& log, const QString& line) { return static_cast<int>(log.count(line)); }

QStringList FailureLines(const QStringList& log) {
  return log.filter(QRegularExpression(QStringLiteral("^!!!!")));
}

void SetCorrections(EolBench& b, int c1, int c2) {
  b.WithModel([&](sim::DeviceModel& m) {
    m.SetEeprom(layout::kFlowCorrection, static_cast<uint8_t>(c1));
    m.SetEeprom(layout::kFlowCorrection + 1, static_cast<uint8_t>(c2));
    m.SealChecksums();
  });
}
}  // namespace

class EolProcedureTest : public QObject {
  Q_OBJECT
 private slots:
  // The simulated detector ends a fan's test when the other fan is tested
  // (setting 11), so fan 1 reads its normal speed in three of the passes.
  void fullStandAloneTwoChannelRunLogsEveryStepAndStampsTheImage() {
    EolBench b;
    QTemporaryDir dir;
    auto& f = b.w.form();
    b.w.dialogs().fileAnswers.push_back(WriteE2pFile(b, dir));
    const Image before = DetectorImage(b);
    f.edtSer1->setText(QStringLiteral("300"));
    f.edtSer2->setText(QStringLiteral("2"));
    f.edtSer3->setText(QStringLiteral("3"));
    f.edtSer4->setText(QStringLiteral("4"));
    QStringList listing;  // the main console the operator reads in step 4
    b.onQuestion = [&](int question) {
      if (question == 2) listing = f.memLog->Lines();
    };

    const QStringList log = EolBench::Masked(b.Run(1));
    QVERIFY(!b.stuck);
    QStringList expected = ExpectedLog("StandAloneTwoChannels.txt");
    const int at = static_cast<int>(expected.indexOf(QStringLiteral("<memLog>")));
    QVERIFY(at > 0 && !listing.isEmpty());
    expected.removeAt(at);
    for (int i = 0; i < listing.size(); ++i) expected.insert(at + i, listing[i]);
    QCOMPARE(log, expected);

    // What the detector holds is the image written: its bytes, stamped,
    // with valid checksums; the PC date of the run is in both date stamps.
    const Image after = DetectorImage(b);
    QVERIFY(TKV::VerifyImageChecksums(after.data()));
    std::array<uint8_t, 512> stamped{};
    std::copy(before.begin(), before.end(), stamped.begin());
    const QDateTime when(QDate(2000 + after[270], after[269], after[268]),
                         QTime(after[284], after[285], after[286]));
    QCOMPARE(when.date(), QDate::currentDate());
    StampFactoryData(stamped, {44, 2, 3, 4}, when);
    TKV::UpdateImageChecksums(stamped.data());
    QCOMPARE(after, Image(stamped.begin(), stamped.end()));
    QCOMPARE(f.btnStartEOL->isEnabled(), true);
    QVERIFY(!f.Device);
  }

  void stampingTakesTheLowBytesOfTheSerialAndTheTwoDigitYear() {
    std::array<uint8_t, 512> image{};
    StampFactoryData(image, {44, 1, 255, 0}, QDateTime(QDate(2031, 12, 10), QTime(14, 30, 5)));
    const auto bytes = [&](int first, int count) {
      return std::vector<int>(image.begin() + first, image.begin() + first + count);
    };
    QCOMPARE(bytes(14, 4), (std::vector<int>{44, 1, 255, 0}));
    QCOMPARE(bytes(260, 4), (std::vector<int>{44, 1, 255, 0}));
    QCOMPARE(bytes(268, 5), (std::vector<int>{10, 12, 31, 14, 30}));
    QCOMPARE(bytes(281, 6), (std::vector<int>{10, 12, 31, 14, 30, 5}));
    QCOMPARE(bytes(501, 10), (std::vector<int>{113, 112, 109, 108, 106, 102, 100, 99, 97, 93}));
    QCOMPARE(bytes(273, 8), std::vector<int>(8, 0));  // nothing between the stamps
  }

  void loopBasedOneChannelChecksStepsSixAndSeven_data() {
    QTest::addColumn<bool>("isolatorSwitched");
    QTest::addColumn<QStringList>("failures");
    QTest::newRow("isolator opened and closed on the loop") << true << QStringList{};
    QTest::newRow("isolator never switched")
        << false
        << QStringList{"!!!!STATO ISO NON CORRETTO", "!!!!STATO ISO PIN NON CORRETTO"};
  }
  void loopBasedOneChannelChecksStepsSixAndSeven() {
    QFETCH(bool, isolatorSwitched);
    QFETCH(QStringList, failures);
    sim::DetectorOptions options;
    options.variant = sim::Variant::LoopBased;
    options.channels = 1;
    EolBench b(options);
    auto& f = b.w.form();
    f.rgEolType->SetItemIndex(1);
    f.rgEolChannels->SetItemIndex(0);
    if (!isolatorSwitched)
      b.onPrompt[QStringLiteral("STATO ISO")] = [&](const QString&, int) {
        b.WithModel([](sim::DeviceModel& m) { m.peripherals().IsolatorCommand(96); });
      };
    b.flows = {};  // step 8 is left by STOP
    b.onPrompt[QStringLiteral("VERIFICARE FLUSSI")] = [&](const QString&, int) { b.w.Click("Button37"); };

    const QStringList log = b.Run(6);
    const QStringList step67 = log.mid(0, static_cast<int>(log.indexOf(QStringLiteral("[S008]"))));
    QCOMPARE(FailureLines(step67), failures);
    QCOMPARE(Count(step67, QStringLiteral("    read iso state ok")), 3);
    for (const char* absent : {"PREALARM", "ALARM 2", "SOUNDER 2", "TH 2", "FAN 2", "fan 2", "MODULO 2"})
      QVERIFY2(step67.filter(QLatin1String(absent)).isEmpty(), absent);
    QCOMPARE(Count(step67, QStringLiteral("    *IL LED ESTERNO SU ALARM 1 E' ACCESO?")), 1);
    QCOMPARE(Count(step67, QStringLiteral("    FAN 1 AD :0")), 1);
    QCOMPARE(Count(step67, QStringLiteral("LOOP BASED")), 1);
    QCOMPARE(Count(step67, QStringLiteral("    ALIMENTARE LOOP CON VALMO.")), 1);
    QCOMPARE(log.mid(log.size() - 3, 1).first().left(22), QStringLiteral("TEST STOPPED BY USER: "));
    QCOMPARE(log.last().left(14), QStringLiteral("TEST ABORTED: "));
  }

  void stepEightCalibratesTheFlows_data() {
    QTest::addColumn<QList<int>>("readings");  // flow 1, flow 2 per state read
    QTest::addColumn<QList<int>>("before");    // bytes 484, 485
    QTest::addColumn<QList<int>>("after");
    QTest::addColumn<QStringList>("failures");
    QTest::addColumn<int>("stateReads");
    QTest::newRow("100 and 97") << QList<int>{100, 97} << QList<int>{10, 20} << QList<int>{10, 23}
                                << QStringList{} << 1;
    QTest::newRow("exactly 80 and 120")
        << QList<int>{80, 120} << QList<int>{10, 20} << QList<int>{10, 20}
        << QStringList{"!!!!FLUSSO 1 LONTANO DA RANGE PREVISTO(80-120)",
                       "!!!!FLUSSO 2 LONTANO DA RANGE PREVISTO(80-120)"}
        << 1;
    QTest::newRow("81 and 119") << QList<int>{81, 119} << QList<int>{10, 20} << QList<int>{29, 1}
                                << QStringList{} << 1;
    QTest::newRow("byte 250 and flow 90 wraps to 4")
        << QList<int>{90, 100} << QList<int>{250, 0} << QList<int>{4, 0} << QStringList{} << 1;
    QTest::newRow("79 is adjusted and read again")
        << QList<int>{79, 100, 100, 100} << QList<int>{0, 0} << QList<int>{0, 0}
        << QStringList{"!!!!FLUSSO 1 LONTANO DA RANGE PREVISTO(80-120)"} << 2;
  }
  void stepEightCalibratesTheFlows() {
    QFETCH(QList<int>, readings);
    QFETCH(QList<int>, before);
    QFETCH(QList<int>, after);
    QFETCH(QStringList, failures);
    QFETCH(int, stateReads);
    EolBench b;
    SetCorrections(b, before[0], before[1]);
    b.flows.clear();
    for (int i = 0; i < readings.size(); i += 2) b.flows.emplace_back(readings[i], readings[i + 1]);
    b.onPrompt[QStringLiteral("SETTARE EEPROM")] = [&](const QString&, int) { b.w.Click("Button37"); };

    QStringList log = b.Run(8);
    log = log.mid(0, static_cast<int>(log.indexOf(QStringLiteral("[S009]"))));
    QCOMPARE(FailureLines(log), failures);
    QCOMPARE(Count(log, QStringLiteral("    getstate ok")), stateReads);
    QCOMPARE(Count(log, QStringLiteral("     <<< PREMERE SPAZIO PER TARARE FLUSSI >>>")), stateReads - 1);
    QCOMPARE(Count(log, QStringLiteral("    TARATURA NON EFFETTUATA")), static_cast<int>(failures.size()) -
                                                                              (stateReads - 1));
    QCOMPARE(Count(log, QStringLiteral("    corr 1 e2p= %1").arg(after[0])), 1);
    QCOMPARE(Count(log, QStringLiteral("    corr 2 e2p= %1").arg(after[1])), 1);
    QCOMPARE(Count(log, QStringLiteral("    TARATURA TERMINATA")), 1);
    const Image image = DetectorImage(b);
    QCOMPARE((QList<int>{image[484], image[485]}), after);
    QVERIFY(TKV::VerifyImageChecksums(image.data()));
  }

  void aDroppedUsbLineDuringStepThreeIsRetriedOnceTheDetectorIsBack() {
    EolBench b;
    QTemporaryDir dir;
    b.w.dialogs().fileAnswers.push_back(WriteE2pFile(b, dir));
    b.onPrompt[QStringLiteral("ESEGUIRE PROGRAMMAZIONE EEPROM")] = [&](const QString&, int) {
      b.w.detector().InjectFault({sim::FaultKind::DropLine, 4, 1});
    };
    b.onPrompt[QStringLiteral("RIPROVARE")] = [&](const QString&, int) { QVERIFY(b.w.detector().Start()); };
    b.onPrompt[QStringLiteral("LOG PCB LED")] = [&](const QString&, int) { b.w.Click("Button37"); };

    const QStringList log = b.Run(3);
    const QStringList expected{"!!!!scrittura eeprom non riuscita", "!!!!DISCONNETTERE E RICONNETTERE CAVO USB.",
                               "", "     <<< PREMERE SPAZIO PER RIPROVARE >>>", "",
                               "    EEPROM PROGRAMMATA CON SUCCESSO", "    ONFIELD EEPROM RESTORE OK"};
    const int at = static_cast<int>(log.indexOf(expected.first()));
    QVERIFY(at > 0);
    QCOMPARE(log.mid(at, expected.size()), expected);
  }

  void startStepsOutsideTheTestPrintOnlyTheHeaderAndTheEnd_data() {
    QTest::addColumn<int>("step");
    QTest::newRow("0") << 0;
    QTest::newRow("11") << 11;
    QTest::newRow("-3") << -3;
  }
  void startStepsOutsideTheTestPrintOnlyTheHeaderAndTheEnd() {
    QFETCH(int, step);
    EolBench b;
    const QStringList log = EolBench::Masked(b.Run(step));
    QCOMPARE(log, (QStringList{"Inizio EOL manuale: <time>", "", "STAND ALONE", "NUMERO DI CANALI: 2", "",
                               "", "", "", "FINE TEST: <time>", ""}));
    QVERIFY(b.w.form().btnStartEOL->isEnabled());
  }
};

QTEST_MAIN(EolProcedureTest)
#include "EolProcedureTest.moc"
