// The Common and Variants parameters pages and the CONFIGURATION box on the
// real window against the simulated detector: what "get all parameters" shows,
// what "update configuration" stores in the detector, and what it refuses.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

#include "DetectorWindow.h"
#include "MemoryMap.h"
#include "RadioGroup.h"
#include "ResultCodes.h"
#include "Tag.h"

namespace {
const QString kOk = QStringLiteral(">>ok");
const QString kException = QStringLiteral("EXCEPTION");
const QString kRefused = QStringLiteral(">>TKV Error [13] ") + QLatin1String(ResultText(13));

constexpr int kParameterButtons = 31 + 11;

QList<int> DeviceBytes(DetectorWindow& w, int address, int count) {
  return w.detector().WithModel([&](sim::DeviceModel& m) {
    QList<int> bytes;
    for (int i = 0; i < count; ++i) bytes << m.Eeprom(address + i);
    return bytes;
  });
}

// Changes the detector's EEPROM before the window connects, checksums resealed.
void Preset(DetectorWindow& w, int address, const QList<int>& bytes) {
  w.detector().WithModel([&](sim::DeviceModel& m) {
    for (int i = 0; i < bytes.size(); ++i) m.SetEeprom(address + i, static_cast<uint8_t>(bytes[i]));
    m.SealChecksums();
  });
}

QObject* Control(DetectorWindow& w, const QString& name) {
  QObject* control = w.form().findChild<QObject*>(name);
  if (!control) qFatal("no control %s", qPrintable(name));
  return control;
}

// What a control shows: its text, "ticked" or "unticked", the chosen item or the position.
QString Shown(DetectorWindow& w, const QString& name) {
  QObject* control = Control(w, name);
  if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* box = qobject_cast<QCheckBox*>(control))
    return box->isChecked() ? QStringLiteral("ticked") : QStringLiteral("unticked");
  if (auto* group = qobject_cast<RadioGroup*>(control)) return QString::number(group->ItemIndex());
  if (auto* bar = qobject_cast<QSlider*>(control)) return QString::number(bar->value());
  qFatal("cannot read %s", qPrintable(name));
}

// The operator's change, as "name=value" with values as Shown() gives them.
void Change(DetectorWindow& w, const QString& setting) {
  const QString name = setting.section('=', 0, 0), value = setting.section('=', 1);
  QObject* control = Control(w, name);
  if (auto* edit = qobject_cast<QLineEdit*>(control))
    edit->setText(value);
  else if (auto* box = qobject_cast<QCheckBox*>(control))
    box->setChecked(value == "ticked");
  else if (auto* group = qobject_cast<RadioGroup*>(control))
    group->SetItemIndex(value.toInt());
  else if (auto* bar = qobject_cast<QSlider*>(control))
    bar->setValue(value.toInt());
  else
    qFatal("cannot change %s", qPrintable(name));
}

// The line "update configuration" printed after the name of a ParameterButton.
QString OutcomeOf(const QStringList& console, const QString& button) {
  const qsizetype at = console.indexOf(button);
  return at >= 0 && at + 1 < console.size() ? console[at + 1] : QString();
}

bool ConfigAreaValid(DetectorWindow& w) {
  return w.detector().WithModel([](sim::DeviceModel& m) { return m.AreaValid(memory::kConfigArea); });
}
}  // namespace

class ParameterPagesTest : public QObject {
  Q_OBJECT
 private slots:
  void parameterButtonsAreInvisibleGetButtons() {
    DetectorWindow w;
    auto& f = w.form();
    QCOMPARE(f.ParameterButtons.size(), kParameterButtons);
    for (const TFrmTestTKV::ParameterButton& parameter : f.ParameterButtons) {
      QCOMPARE(parameter.button->text(), QStringLiteral("get"));
      QVERIFY(parameter.button->isHidden());
    }
    QCOMPARE(f.lbFanSp1->text(), QStringLiteral("0"));
    f.tbFanSp2->setValue(7);
    QCOMPARE(f.lbFanSp2->text(), QStringLiteral("7"));
    QCOMPARE(f.lbFanSp1->text(), QStringLiteral("0"));
  }

  // Every parameter in creation order: texts that give no number end their
  // transfer, check boxes are stored when their rules allow, and the
  // configuration is written all the same.
  void updateWithEveryControlEmpty() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    struct Expected {
      const char* button;
      QString outcome;
    };
    const Expected expected[] = {
        {"btnPwd", kException},        {"btnCfg", kException},
        {"btnChEnable", kRefused},     // both channels off
        {"btnSenEn", kRefused},        // the sensors must follow the channels, which stayed on
        {"btnDisTim", kException},     {"btnMaintTime", kException},
        {"btnTrendLogTime", kException}, {"btnMirrEn", kOk},
        {"btnSuppl", kOk},             {"btnCommChSe", kOk},
        {"btnSndCutoff", kException},  {"btnLtAlarm", kOk},
        {"btnAlarmDelay", kException}, {"btnAuxRelCh2", kOk},
        {"btnChLabel", kOk},           // an empty label is sixteen blanks
        {"btnFlows", kException},      {"btnFil", kException},
        {"btnFan", kOk},               {"btnLatFau", kOk},
        {"btnFauDel", kException},     {"btnFloFauDel", kException},
        {"btnPowResTim", kException},
        {"btnFanSp", kRefused},        // track bars at 0; speeds are 1..10
        {"btnPressure", kException},   {"btnAuxLt", kOk},
        {"btnExtInp", kOk},
        {"btnExtEv", kRefused},        // no item chosen
        {"btnSensDisTime", kException},
        {"btdsen", kRefused},          {"btndldate", kException},
        {"btnAuxEv", kOk},
        {"btnAlMode", kRefused},       {"btnSeTimeout", kException},
        {"btnRemOutTime", kException}, {"btnWeekD", kOk},
        {"btnhd", kException},         {"btnPrealDelay", kException},
        {"btnCasAl", kOk},             {"btnDayNig", kException},
        {"btnSndac", kOk},             {"btnallev", kException},
        {"btnDayNight", kOk},
    };
    QStringList lines;
    for (const Expected& e : expected) lines << QString::fromLatin1(e.button) << e.outcome;
    lines << QStringLiteral(">>Configuration updated");

    w.Click("btnUpdateCfg");
    QCOMPARE(w.Console(), lines);
    QVERIFY(w.form().btnUpdateCfg->isEnabled());
    QCOMPARE(DeviceBytes(w, 295, 1), QList<int>{1});                  // one supply
    QCOMPARE(DeviceBytes(w, 422, 2), (QList<int>{1, 1}));             // manual fan speed
    QCOMPARE(DeviceBytes(w, 302, 7), QList<int>(7, 0));               // no night days
    QCOMPARE(DeviceBytes(w, 372, 32), QList<int>(32, ' '));           // blank labels
    QCOMPARE(DeviceBytes(w, 291, 3), (QList<int>{60, 10, 60}));       // unconvertible: kept
    QCOMPARE(DeviceBytes(w, 287, 4), (QList<int>{1, 1, 1, 1}));       // refused: kept
    QVERIFY(ConfigAreaValid(w));
  }

  void getAllShowsTheStoredConfiguration() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.Click("btnGetAll");
    QCOMPARE(w.Console(), QStringList(kParameterButtons, kOk));  // and nothing else
    const std::pair<const char*, const char*> shown[] = {
        {"edtPwd", "2468"},
        {"edtCfg", "007|15/03/23 10:30:00"},  // the CID in three digits
        {"cbCh1Enabled", "ticked"},
        {"cbSe2Enabled", "ticked"},
        {"edtDisTime", "60"},
        {"cbMirrEn", "unticked"},
        {"cbSupp", "ticked"},  // 2: both supplies
        {"cbCommChSe", "unticked"},
        {"edtSndCufoff", "12"},
        {"edtCh1Label", "ZONE A          "},
        {"edtCh1FlowMin", "70"},
        {"edtCh1FlowMax", "130"},
        {"edtCh2FlowRef", "100"},
        {"edtFil1", "01/06/25"},
        {"cbFan1", "ticked"},      // 0: automatic
        {"cbLatFau", "unticked"},  // 1: not latched
        {"edtPowResTim", "20"},
        {"tbFanSp2", "5"},
        {"lbFanSp2", "5"},
        {"edtPressure", "101325"},
        {"rgExtInp", "4"},  // none
        {"edtSensDisTime", "1440"},
        {"rgdsen", "2"},
        {"edtdldatest", "31/03 02:00"},
        {"edtdldateend", "27/10 03:00"},
        {"rgAlMode", "0"},  // by sensor
        {"edtRemOutTime", "20"},
        {"cbDnFri", "unticked"},
        {"cbDnSat", "ticked"},
        {"edthd0", "01/01"},
        {"edthd1", "25/12"},
        {"edthd3", "00/00"},  // a free slot
        {"edthd19", "00/00"},
        {"edtDaySt", "08:00"},
        {"edtDayEnd", "18:00"},
        {"edtalday1", "5"},
        {"edtpalday2", "3"},
        {"edtalnig2", "4"},
        {"edtpalnig1", "2"},
        {"edtPrealDelay", "10"},
    };
    for (const auto& [control, text] : shown)
      QCOMPARE(Shown(w, QString::fromLatin1(control)), QString::fromLatin1(text));
  }

  void getAllReadsEachEncoding_data() {
    QTest::addColumn<int>("address");
    QTest::addColumn<QList<int>>("bytes");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("shown");
    QTest::newRow("CID 255") << 280 << QList<int>{255} << "edtCfg" << "255|15/03/23 10:30:00";
    QTest::newRow("year 120") << 283 << QList<int>{120} << "edtCfg" << "007|15/03/11 10:30:00";
    QTest::newRow("one supply") << 295 << QList<int>{1} << "cbSupp" << "unticked";
    QTest::newRow("supplies 0") << 295 << QList<int>{0} << "cbSupp" << "ticked";
    QTest::newRow("by module") << 351 << QList<int>{2} << "rgAlMode" << "1";
    QTest::newRow("alarm night ch2") << 364 << QList<int>{6} << "edtalnig2" << "6";
    QTest::newRow("first event wins") << 466 << QList<int>{0, 1, 1, 0} << "rgExtInp" << "1";
    QTest::newRow("manual fan") << 422 << QList<int>{1} << "cbFan1" << "unticked";
    QTest::newRow("fan speed") << 454 << QList<int>{7} << "lbFanSp1" << "7";
    QTest::newRow("pressure top byte") << 472 << QList<int>{0, 0, 0, 200} << "edtPressure"
                                       << "3355443200";
  }
  void getAllReadsEachEncoding() {
    QFETCH(int, address);
    QFETCH(QList<int>, bytes);
    QFETCH(QString, control);
    QFETCH(QString, shown);
    DetectorWindow w;
    Preset(w, address, bytes);
    QVERIFY(w.Connect());
    w.Click("btnGetAll");
    QCOMPARE(Shown(w, control), shown);
  }

  // One or more controls changed after "get all parameters", then "update
  // configuration": the line after the button's name, and the detector's bytes.
  void updateStoresOrRefuses_data() {
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<int>("address");
    QTest::addColumn<QList<int>>("stored");
    const QList<int> holidays{1, 1, 25, 12, 26, 12, 0, 0, 0, 0, 0, 0};  // 309..320 as delivered
    auto withHoliday = [&](int k, int day, int month) {
      QList<int> bytes = holidays;
      bytes[2 * k] = day;
      bytes[2 * k + 1] = month;
      return bytes;
    };
    QTest::newRow("holiday 25/12") << QStringList{"edthd3=25/12"} << "btnhd" << kOk << 309
                                   << withHoliday(3, 25, 12);
    QTest::newRow("holiday 00/00") << QStringList{"edthd0=00/00"} << "btnhd" << kOk << 309
                                   << withHoliday(0, 0, 0);
    // One impossible date: none of the 20 is stored, not even a good one beside it.
    QTest::newRow("holiday 31/04") << QStringList{"edthd0=31/04", "edthd5=24/12"} << "btnhd"
                                   << kRefused << 309 << holidays;
    QTest::newRow("holiday empty") << QStringList{"edthd19=", "edthd5=24/12"} << "btnhd"
                                   << kException << 309 << holidays;
    QTest::newRow("day 08:00-08:30") << QStringList{"edtDaySt=08:00", "edtDayEnd=08:30"}
                                     << "btnDayNig" << kRefused << 298 << QList<int>{8, 0, 18, 0};
    QTest::newRow("day 07:59-08:00") << QStringList{"edtDaySt=07:59", "edtDayEnd=08:00"}
                                     << "btnDayNig" << kOk << 298 << QList<int>{7, 59, 8, 0};
    QTest::newRow("by module") << QStringList{"rgAlMode=1"} << "btnAlMode" << kOk << 351
                               << QList<int>{2};
    QTest::newRow("alarm night ch2") << QStringList{"edtalnig2=7"} << "btnallev" << kOk << 359
                                     << QList<int>{5, 5, 3, 3, 4, 7, 2, 2};
    QTest::newRow("level 10") << QStringList{"edtpalday1=10"} << "btnallev" << kRefused << 359
                              << QList<int>{5, 5, 3, 3, 4, 4, 2, 2};
    QTest::newRow("pressure 110000") << QStringList{"edtPressure=110000"} << "btnPressure" << kOk
                                     << 472 << QList<int>{176, 173, 1, 0};
    QTest::newRow("pressure 68757") << QStringList{"edtPressure=68757"} << "btnPressure"
                                    << kRefused << 472 << QList<int>{205, 139, 1, 0};
    QTest::newRow("one supply") << QStringList{"cbSupp=unticked"} << "btnSuppl" << kOk << 295
                                << QList<int>{1};
    QTest::newRow("common chamber AND") << QStringList{"cbCommChSe=ticked"} << "btnCommChSe"
                                        << kOk << 349 << QList<int>{2};
    QTest::newRow("fan 2 manual") << QStringList{"cbFan2=unticked"} << "btnFan" << kOk << 422
                                  << QList<int>{0, 1};
    QTest::newRow("fault latched") << QStringList{"cbLatFau=ticked"} << "btnLatFau" << kOk << 437
                                   << QList<int>{0};
    QTest::newRow("fan speed 0") << QStringList{"tbFanSp1=0"} << "btnFanSp" << kRefused << 454
                                 << QList<int>{5, 5};
    QTest::newRow("fan speed 10") << QStringList{"tbFanSp2=10"} << "btnFanSp" << kOk << 454
                                  << QList<int>{5, 10};
    QTest::newRow("password 2 digits") << QStringList{"edtPwd=12"} << "btnPwd" << kException
                                       << 276 << QList<int>{2, 4, 6, 8};
    QTest::newRow("password with 0") << QStringList{"edtPwd=1204"} << "btnPwd" << kRefused << 276
                                     << QList<int>{2, 4, 6, 8};
    QTest::newRow("password 1357") << QStringList{"edtPwd=1357"} << "btnPwd" << kOk << 276
                                   << QList<int>{1, 3, 5, 7};
    QTest::newRow("stamp 20 characters") << QStringList{"edtCfg=009|01/02/24 03:04:0"} << "btnCfg"
                                         << kException << 280 << QList<int>{7, 15, 3, 23, 10, 30, 0};
    QTest::newRow("stamp") << QStringList{"edtCfg=009|01/02/24 03:04:05"} << "btnCfg" << kOk
                           << 280 << QList<int>{9, 1, 2, 24, 3, 4, 5};
    QTest::newRow("label AB") << QStringList{"edtCh1Label=AB"} << "btnChLabel" << kOk << 372
                              << (QList<int>{'A', 'B'} + QList<int>(14, ' '));
    QTest::newRow("label e acute") << QStringList{"edtCh2Label=Zone \u00e9"} << "btnChLabel"
                                   << kRefused << 388 << QList<int>{'Z', 'O', 'N', 'E', ' ', 'B'};
    QTest::newRow("flows") << QStringList{"edtCh2FlowMin=60", "edtCh2FlowRef=90"} << "btnFlows"
                           << kOk << 406 << QList<int>{90, 0, 130, 0, 130, 0, 70, 0, 60};
    QTest::newRow("flow min = ref") << QStringList{"edtCh1FlowMin=100"} << "btnFlows" << kRefused
                                    << 412 << QList<int>{70};
    QTest::newRow("filter date") << QStringList{"edtFil2=31/12/26"} << "btnFil" << kOk << 416
                                 << QList<int>{1, 6, 25, 31, 12, 26};
    QTest::newRow("daylight end") << QStringList{"edtdldateend=26/10 03:30"} << "btndldate" << kOk
                                  << 432 << QList<int>{26, 10, 0, 3, 30};
    QTest::newRow("event sounder silencing") << QStringList{"rgExtInp=1"} << "btnExtEv" << kOk
                                             << 466 << QList<int>{0, 1, 0, 0};
    QTest::newRow("week days") << QStringList{"cbDnMon=ticked", "cbDnSun=unticked"} << "btnWeekD"
                               << kOk << 302 << QList<int>{1, 0, 0, 0, 0, 1, 0};
    QTest::newRow("disabling time 300") << QStringList{"edtSensDisTime=300"} << "btnSensDisTime"
                                        << kOk << 470 << QList<int>{44, 1};
    QTest::newRow("letters") << QStringList{"edtAlarmDelay=5s"} << "btnAlarmDelay" << kException
                             << 355 << QList<int>{5};
  }
  void updateStoresOrRefuses() {
    QFETCH(QStringList, changes);
    QFETCH(QString, button);
    QFETCH(QString, outcome);
    QFETCH(int, address);
    QFETCH(QList<int>, stored);
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.Click("btnGetAll");
    for (const QString& change : changes) Change(w, change);
    w.Click("btnUpdateCfg");
    const QStringList console = w.Console();
    QCOMPARE(OutcomeOf(console, button), outcome);
    // Every other parameter went through unchanged.
    QCOMPARE(console.count(kOk), kParameterButtons - (outcome == kOk ? 0 : 1));
    QCOMPARE(console.last(), QStringLiteral(">>Configuration updated"));
    QCOMPARE(DeviceBytes(w, address, static_cast<int>(stored.size())), stored);
    QVERIFY(ConfigAreaValid(w));
  }

  // A change on each page survives a new connection.
  void roundTripThroughTheDetector() {
    DetectorWindow w;
    Preset(w, 472, {144, 95, 1, 0});  // 90000 Pa
    Preset(w, 295, {1});              // one supply
    QVERIFY(w.Connect());
    w.Click("btnGetAll");
    auto& f = w.form();
    QCOMPARE(f.edtPressure->text(), QStringLiteral("90000"));
    QVERIFY(!f.cbSupp->isChecked());
    f.edtDisTime->setText("45");
    f.edtPressure->setText("101325");
    f.cbSupp->setChecked(true);
    f.edtalnig2->setText("7");
    f.cbCasAl->setChecked(true);
    w.Click("btnUpdateCfg");
    QCOMPARE(w.Console().last(), QStringLiteral(">>Configuration updated"));
    QCOMPARE(w.Console().count(kOk), kParameterButtons);
    QCOMPARE(DeviceBytes(w, 364, 1), QList<int>{7});
    QCOMPARE(DeviceBytes(w, 472, 4), (QList<int>{205, 139, 1, 0}));
    QCOMPARE(DeviceBytes(w, 295, 1), QList<int>{2});

    w.Click("Button2");
    for (QLineEdit* edit : {f.edtDisTime, f.edtPressure, f.edtalnig2}) edit->clear();
    for (QCheckBox* box : {f.cbSupp, f.cbCasAl}) box->setChecked(false);
    QVERIFY(w.Connect());
    w.Click("btnGetAll");
    QCOMPARE(f.edtDisTime->text(), QStringLiteral("45"));
    QCOMPARE(f.edtPressure->text(), QStringLiteral("101325"));
    QCOMPARE(f.edtalnig2->text(), QStringLiteral("7"));
    QVERIFY(f.cbSupp->isChecked());
    QVERIFY(f.cbCasAl->isChecked());
  }

  void restoreReloadsTheImageButNotTheControls() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.Click("btnGetAll");
    auto& f = w.form();
    f.edtDisTime->setText("45");
    SetTag(f.btnDisTim, 1);
    f.btnDisTimClick(f.btnDisTim);
    QCOMPARE(f.Device->HeldImage()[291], uint8_t{45});

    w.NewConsoleLines();
    w.Click("btnRestoreCfg");
    QCOMPARE(w.NewConsoleLines(), QStringList{">>Parameters restored"});
    QVERIFY(f.btnRestoreCfg->isEnabled());
    QCOMPARE(f.Device->HeldImage()[291], uint8_t{60});
    QCOMPARE(f.edtDisTime->text(), QStringLiteral("45"));
    w.Click("btnGetAll");
    QCOMPARE(f.edtDisTime->text(), QStringLiteral("60"));
  }

  void detectorRefusal_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("command");
    QTest::newRow("update, write refused") << "btnUpdateCfg" << 4;
    QTest::newRow("restore, read refused") << "btnRestoreCfg" << 3;
  }
  void detectorRefusal() {
    QFETCH(QString, button);
    QFETCH(int, command);
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.Click("btnGetAll");
    w.form().edtDisTime->setText("45");
    w.detector().InjectFault({sim::FaultKind::Refuse, command});
    w.NewConsoleLines();
    w.Click(qPrintable(button));
    const QString last = w.Console().last();
    QVERIFY2(last.startsWith(">>TKV Error ["), qPrintable(last));
    QVERIFY(!w.Console().contains(">>Configuration updated"));
    QVERIFY(!w.Console().contains(">>Parameters restored"));
    QVERIFY(qobject_cast<QPushButton*>(Control(w, button))->isEnabled());
    QCOMPARE(DeviceBytes(w, 291, 1), QList<int>{60});
  }

  void notConnected() {
    DetectorWindow w;
    for (const char* button : {"btnGetAll", "btnUpdateCfg", "btnRestoreCfg"}) w.Click(button);
    QCOMPARE(w.Console(), QStringList(3, ">>Not connected!"));
  }

  // Outside the driving loops a text that gives no number ends in the error box.
  void parameterButtonAloneShowsTheConversionError() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.NewConsoleLines();
    SetTag(w.form().btnDisTim, 1);
    w.form().edtDisTime->setText("abc");
    w.Click("btnDisTim");
    QCOMPARE(w.dialogs().messages.size(), size_t{1});
    QCOMPARE(w.dialogs().messages[0].kind, MessageKind::Error);
    QCOMPARE(w.NewConsoleLines(), QStringList());
  }
};

QTEST_MAIN(ParameterPagesTest)
#include "ParameterPagesTest.moc"
