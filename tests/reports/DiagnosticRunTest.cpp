// EXECUTE DIAGNOSTIC on the real window against the simulated detector, in a
// private current folder where the reports land. The waits the run asks for
// are recorded through the pacing seam, never timed.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "ConsoleMemo.h"
#include "DetectorWindow.h"
#include "RunProgress.h"

namespace {

constexpr int kReadMemory = 3;
constexpr uint32_t kPulseAddress = 16726357, kDerived1 = 16725944, kDerived2 = 16725945;
const QRegularExpression kReportName(QStringLiteral("^VOREN_XR_DIAG_\\d{8}_\\d{6}\\.LOG$"));

// The process works in a fresh folder for as long as this lives.
class CurrentFolder {
 public:
  CurrentFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
  ~CurrentFolder() { QDir::setCurrent(previous_); }
  QStringList Files() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden); }
  QString Path() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
  QString previous_;
};

// One wait the run asked for, with the section the status bar showed then.
struct Wait {
  Pacing::Wait kind;
  int ms;
  QString section;
};

class Diagnostic {
 public:
  explicit Diagnostic(sim::Variant variant) : w_(Options(variant)) {
    w_.form().pacing().SetScale(0.01);
    w_.form().pacing().SetWaitObserver([this](Pacing::Wait kind, int ms) {
      const QString section = w_.form().Progress->format().section(QStringLiteral("  "), 0, 0);
      waits_.push_back({kind, ms, section});
      if (onWait_) onWait_(waits_.back());
    });
  }

  DetectorWindow& w() { return w_; }
  TFrmTestTKV& form() { return w_.form(); }
  const std::vector<Wait>& waits() const { return waits_; }
  void OnWait(std::function<void(const Wait&)> action) { onWait_ = std::move(action); }

  // A first capture that ends after ten reads, each step raising both fans.
  void ShortFlowCapture() { form().edtFlowLogIncSpeed->setText(QStringLiteral("1")); }

  void SetDelays(int prealarm, int alarm) {
    int32_t a = prealarm, b = alarm;
    QVERIFY(form().Device->ParamPrealarmDelay(a, 1));
    QVERIFY(form().Device->ParamAlarmDelay(b, 1));
  }

  void Run(bool full, bool testAlarms) {
    form().chkfulldiag->setChecked(full);
    form().chktestalarms->setChecked(testAlarms);
    w_.Click("btndiag");
  }

  // The ABORT button, clicked when the window next lets events through.
  void AbortSoon() { QTimer::singleShot(0, form().btnabort, &QPushButton::click); }

 private:
  static sim::DetectorOptions Options(sim::Variant variant) {
    sim::DetectorOptions options;
    options.variant = variant;
    return options;
  }

  DetectorWindow w_;
  std::vector<Wait> waits_;
  std::function<void(const Wait&)> onWait_;
};

using BannerList = QList<QPair<QString, int>>;

// The banners of the console as head and total length, in order: every line
// of 55 or more characters that opens or closes a section.
BannerList Banners(const QStringList& console) {
  static const QRegularExpression kBanner(QStringLiteral("^(\\.\\.\\.\\.)?(>>>|<<<)--.*-$"));
  BannerList banners;
  for (const QString& line : console) {
    if (line.size() < 55 || !kBanner.match(line).hasMatch()) continue;
    QString head = line;
    while (head.endsWith(QLatin1Char('-'))) head.chop(1);
    banners << qMakePair(head, int(line.size()));
  }
  return banners;
}

QStringList Heads(const QStringList& console) {
  QStringList heads;
  for (const auto& banner : Banners(console)) heads << banner.first;
  return heads;
}

// The opening and closing heads of a section, each 55 long unless given.
BannerList Section(const QString& name, int openWidth = 55) {
  return {{QStringLiteral(">>>--") + name, openWidth}, {QStringLiteral("<<<--") + name, 55}};
}

BannerList Readings() {
  return Section("TIME") + Section("INFO") + Section("STATE") + Section("LOG");
}

BannerList Monitors() {
  BannerList banners = {{">>>--COVER-----OPEN, CLOSE, PIN", 56}, {"<<<--COVER", 55}};
  banners += Section("FANS-DAC/AD") + Section("AD");
  banners += Section("EXT INP", 56);
  banners += {{">>>--BUTTONS-T,R,D", 55}, {"<<<--BUTTONS", 55}};
  banners += {{">>>--REMOTE OUT---STATE,PIN", 55}, {"<<<--REMOTE OUT", 55}};
  return banners;
}

BannerList Sensors(bool standAlone) {
  return standAlone ? Section("SA SENS") : Section("LOOP ADD") + Section("ISOLATOR");
}

BannerList AlarmTest() {
  return {{">>>--TEST ALARM", 55},    {"....>>>--STATE", 59},
          {"....<<<--STATE", 59},     {"....>>>--AD", 59},
          {"....<<<--AD", 59},        {"....>>>--REMOTE OUT---STATE,PIN", 59},
          {"....<<<--REMOTE OUT", 59}};
}

// The lines strictly between the first line equal to `from` and the next equal to `to`.
QStringList Between(const QStringList& lines, const QString& from, const QString& to) {
  const int start = lines.indexOf(from);
  const int end = lines.indexOf(to, start + 1);
  if (start < 0 || end < 0) return {};
  return lines.mid(start + 1, end - start - 1);
}

QString Banner(const char* head, int width = 55) {
  return QString::fromLatin1(head).leftJustified(width, QLatin1Char('-'));
}

QString Separator() { return QString(55, QLatin1Char('-')); }

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

QByteArray ReportBytes(const QStringList& console) {
  QByteArray bytes;
  for (const QString& line : console) bytes += line.toLatin1() + "\r\n";
  return bytes;
}

// The wait of each alarm test: the sleeps that follow the two pumped waits
// around its reset, once per pass.
QList<int> AlarmWaits(const std::vector<Wait>& waits) {
  const auto inAlarmTest = [&](size_t i) {
    return waits[i].section == QStringLiteral("TEST ALARM");
  };
  QList<int> found;
  for (size_t i = 0; i < waits.size(); ++i) {
    if (!inAlarmTest(i) || (i > 0 && inAlarmTest(i - 1))) continue;
    int total = 0;
    for (size_t j = i + 2;
         j < waits.size() && inAlarmTest(j) && waits[j].kind == Pacing::Wait::Sleep; ++j)
      total += waits[j].ms;
    found << total;
  }
  return found;
}

// The commands a run locks, but Connect, which stays locked after it.
std::vector<const QWidget*> LockedCommands(const TFrmTestTKV& f) {
  return {f.btndiag,     f.btnres, f.Button2,       f.btnlog,
          f.chkfulldiag, f.Edit1,  f.chktestalarms, f.btnTrendLog};
}

bool LockedWithAbortOffered(const TFrmTestTKV& f) {
  for (const QWidget* control : LockedCommands(f))
    if (control->isEnabled()) return false;
  return !f.Button1->isEnabled() && f.btnabort->isEnabled() && !f.Progress->isHidden();
}

// A run has left its commands as they were: all but Connect back, ABORT gone.
void VerifyControlsRestored(const TFrmTestTKV& f) {
  for (const QWidget* control : LockedCommands(f))
    QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
  QVERIFY(!f.Button1->isEnabled());
  QVERIFY(!f.btnabort->isEnabled());
  QVERIFY(f.Progress->isHidden());
}

// ABORT has said so once, and nothing was saved.
void VerifyAbortedWithoutReport(Diagnostic& d, const CurrentFolder& folder) {
  QCOMPARE(d.w().Console().filter("ABORTED").size(), 1);
  QCOMPARE(folder.Files(), QStringList());
  QVERIFY(d.form().SavedReportFile.isEmpty());
  QVERIFY(d.w().dialogs().messages.empty());
  VerifyControlsRestored(d.form());
}

}  // namespace

class DiagnosticRunTest : public QObject {
  Q_OBJECT
 private slots:
  void notConnected() {
    CurrentFolder folder;
    Diagnostic d(sim::Variant::StandAlone);
    d.Run(false, false);
    QCOMPARE(d.w().Console(), QStringList{">>Not connected!"});
    QCOMPARE(folder.Files(), QStringList());
  }

  void plainRun_data() {
    QTest::addColumn<int>("variant");
    QTest::addColumn<bool>("standAlone");
    QTest::newRow("stand-alone") << int(sim::Variant::StandAlone) << true;
    QTest::newRow("loop based") << int(sim::Variant::LoopBased) << false;
    QTest::newRow("quib") << int(sim::Variant::Quib) << false;
    QTest::newRow("zandt") << int(sim::Variant::Zandt) << false;
  }

  // The sections of a plain run in order, the header and the end, and the
  // report: the console byte for byte under a name made of the date.
  void plainRun() {
    QFETCH(int, variant);
    QFETCH(bool, standAlone);
    CurrentFolder folder;
    Diagnostic d(static_cast<sim::Variant>(variant));
    QVERIFY(d.w().Connect());
    d.Run(false, false);

    const QStringList console = d.w().Console();
    QCOMPARE(Banners(console),
             Readings() + Section("EEPROM") + Section("EXT 1") + Monitors() + Sensors(standAlone));
    QCOMPARE(console[0], Separator());
    QVERIFY(console[1].startsWith("VOREN XR Diagnostic v1.3: "));
    QCOMPARE(console.mid(2, 6),
             (QStringList{Separator(), " ", " ", Separator(), Separator(), Separator()}));
    // The final reset, then the end block.
    const QStringList tail = console.mid(console.size() - 11);
    QCOMPARE(tail.mid(0, 3), (QStringList{">>ASD reset", " ", " "}));
    QVERIFY(tail[3].startsWith(" RESET EXECUTED "));
    QCOMPARE(tail.mid(4, 5), (QStringList{" ", " ", Separator(), Separator(), Separator()}));
    QVERIFY(tail[9].startsWith("END VOREN XR Diagnostic: "));
    QCOMPARE(tail[10], Separator());
    if (standAlone) {
      QVERIFY(!console.filter(QRegularExpression("^--- TEST --- 2 --- ")).isEmpty());
    } else {
      QVERIFY(console.contains("PIN STATE:1"));
      QVERIFY(console.contains("SUB127   :224"));
    }

    QCOMPARE(folder.Files().size(), 1);
    const QString name = folder.Files().at(0);
    QVERIFY2(kReportName.match(name).hasMatch(), qPrintable(name));
    QCOMPARE(d.form().SavedReportFile, QDir(folder.Path()).absoluteFilePath(name));
    QCOMPARE(FileBytes(name), ReportBytes(console));
    QCOMPARE(d.w().dialogs().messages.size(), size_t{1});
    QCOMPARE(d.w().dialogs().messages[0].kind, MessageKind::Plain);
    QCOMPARE(d.w().dialogs().messages[0].text, "DIAGNOSTIC LOG SAVED!\n\n" + name);
    VerifyControlsRestored(d.form());
  }

  // Both passes with the alarm test: pass 1 repeats only its own sections,
  // the RAM dump reads every address once, the pulse settings go into RAM.
  void fullRunWithAlarmTest() {
    CurrentFolder folder;
    Diagnostic d(sim::Variant::StandAlone);
    d.w().detector().WithModel([](sim::DeviceModel& m) { m.SetRam(kPulseAddress, 3); });
    QVERIFY(d.w().Connect());
    d.SetDelays(0, 0);
    d.ShortFlowCapture();
    d.Run(true, true);

    const QStringList console = d.w().Console();
    const BannerList ultra = {{">>>--ULTRA1", 55}, {">>>--ULTRA2", 55}, {"<<<--ULTRA", 55}};
    BannerList expected = Readings() + Section("EEPROM") + Section("EXT 1") + Section("EXT 2") +
                          Monitors() + Sensors(true);
    expected += QPair<QString, int>(">>>--ULTRA", 55);
    expected += ultra;
    expected += QPair<QString, int>(">>>--ULTRA PULSES VARIATION ", 73);
    expected += ultra + AlarmTest();
    expected += Readings() + Section("EXT 1") + Section("AD") + Section("EXT INP", 56) +
                Sensors(true) + AlarmTest();
    QCOMPARE(Banners(console), expected);
    QCOMPARE(console.filter(QRegularExpression("^VOREN XR Diagnostic")).size(), 1);
    QCOMPARE(console.filter("FULL diagnostic").size(), 1);
    QCOMPARE(console.filter("TEST alarms").size(), 1);
    QCOMPARE(console.filter("waiting stabilizing...").size(), 12);
    QCOMPARE(console.filter(QRegularExpression("^Wait: ")),
             (QStringList{"Wait: 5000 ms", "Wait: 5000 ms"}));
    QCOMPARE(AlarmWaits(d.waits()), (QList<int>{5000, 5000}));

    const QStringList ram = Between(console, Banner(">>>--EXT 2"), Banner("<<<--EXT 2"))
                                .filter(QRegularExpression("^00FF[0-9A-F]{4}=\\d+$"));
    QCOMPARE(ram.size(), 6877);
    QVERIFY(ram.first().startsWith("00FF2000="));
    QVERIFY(ram.last().startsWith("00FF3ADC="));

    // Settings 1, 2, 4, 6 and their derived values, labelled 1 to 4; at the
    // end the derived values of the saved setting 3 go back.
    const QStringList pulses =
        Between(console, Banner(">>>--ULTRA PULSES VARIATION ", 73), Banner(">>>--ULTRA1"));
    QCOMPARE(pulses.filter(QRegularExpression("^16726357<--")),
             (QStringList{"16726357<--1", "16726357<--2", "16726357<--4", "16726357<--6"}));
    QCOMPARE(pulses.filter(QRegularExpression("^RAM:16725944<--")),
             (QStringList{"RAM:16725944<--15", "RAM:16725944<--20", "RAM:16725944<--30",
                          "RAM:16725944<--40", "RAM:16725944<--25"}));
    QCOMPARE(pulses.filter(QRegularExpression("^RAM:16725945<--")).size(), 5);
    const int pulseSection = console.indexOf(Banner(">>>--ULTRA PULSES VARIATION ", 73));
    QCOMPARE(console.mid(pulseSection).filter(QRegularExpression("^\\d pulses$")),
             (QStringList{"1 pulses", "2 pulses", "3 pulses", "4 pulses", "1 pulses", "2 pulses",
                          "3 pulses", "4 pulses"}));
    d.w().detector().WithModel([](sim::DeviceModel& m) {
      QCOMPARE(int(m.Ram(kPulseAddress)), 6);
      QCOMPARE(int(m.Ram(kDerived1)), 25);
      QCOMPARE(int(m.Ram(kDerived2)), 25);
    });

    QCOMPARE(folder.Files().size(), 1);
    QCOMPARE(FileBytes(folder.Files().at(0)), ReportBytes(console));
    QVERIFY(d.form().tmr30->isActive());  // until ABORT
    QCOMPARE(d.form().edtFan1DAC->text(), "125");
    VerifyControlsRestored(d.form());
  }

  void abortDuringCoverStopsTheMonitor() {
    CurrentFolder folder;
    Diagnostic d(sim::Variant::StandAlone);
    QVERIFY(d.w().Connect());
    int samples = 0;
    bool locked = false;
    d.OnWait([&](const Wait& wait) {
      if (wait.section != "COVER" || ++samples != 10) return;
      locked = LockedWithAbortOffered(d.form());
      d.AbortSoon();
    });
    d.Run(false, false);
    QVERIFY(locked);

    // The tenth sample, taken while ABORT was handled, is the last line.
    const QStringList console = d.w().Console();
    QCOMPARE(Heads(console).last(), ">>>--COVER-----OPEN, CLOSE, PIN");
    const QStringList cover =
        console.mid(console.indexOf(Banner(">>>--COVER-----OPEN, CLOSE, PIN", 56)) + 1);
    QCOMPARE(cover.filter(QRegularExpression("^[^,]*,[^,]*,[^,]*$")).size(), 10);
    QCOMPARE(console.mid(console.size() - 4, 3), (QStringList{" ", " ", "ABORTED"}));
    QVERIFY(!d.form().cboReadCover->isChecked());
    QVERIFY(!d.form().tmrCover->isActive());
    VerifyAbortedWithoutReport(d, folder);
  }

  void abortDuringStabilisationEndsAfterTheNextTime() {
    CurrentFolder folder;
    Diagnostic d(sim::Variant::StandAlone);
    QVERIFY(d.w().Connect());
    d.ShortFlowCapture();
    bool clicked = false;
    d.OnWait([&](const Wait& wait) {
      if (wait.ms == 5000 && wait.kind == Pacing::Wait::Sleep && !clicked) {
        clicked = true;
        d.AbortSoon();
      }
    });
    d.Run(true, false);

    const QStringList console = d.w().Console();
    QCOMPARE(console.filter("waiting stabilizing...").size(), 12);
    const QStringList heads = Heads(console);
    QCOMPARE(heads.mid(heads.size() - 3), (QStringList{"<<<--ULTRA", ">>>--TIME", "<<<--TIME"}));
    QVERIFY(console.indexOf("ABORTED") < console.lastIndexOf("waiting stabilizing..."));
    QCOMPARE(console.last(), " ");  // the blank line that closes TIME
    VerifyAbortedWithoutReport(d, folder);
  }

  // The wait runs out whole, capped at 240 s, before ABORT is seen.
  void abortDuringAlarmWaitWaitsItOut() {
    CurrentFolder folder;
    Diagnostic d(sim::Variant::StandAlone);
    QVERIFY(d.w().Connect());
    d.SetDelays(240, 240);
    bool clicked = false;
    d.OnWait([&](const Wait& wait) {
      if (wait.section == "TEST ALARM" && wait.kind == Pacing::Wait::Sleep && !clicked) {
        clicked = true;
        d.AbortSoon();
      }
    });
    d.Run(false, true);

    QCOMPARE(AlarmWaits(d.waits()), QList<int>{240000});
    const QStringList console = d.w().Console();
    QCOMPARE(console.filter(QRegularExpression("^Wait: ")), QStringList{"Wait: 240000 ms"});
    QCOMPARE(Heads(console).last(), ">>>--TEST ALARM");
    QCOMPARE(console.mid(console.size() - 4),
             (QStringList{"Wait: 240000 ms", " ", " ", "ABORTED"}));
    VerifyAbortedWithoutReport(d, folder);
  }

  // The line drops at the first memory read, in LOG: each later section
  // prints its own failure and the run still ends with its report. An
  // analogue interval that is no number cuts AD short, which still closes.
  void failingSectionsStillEndWithTheReport() {
    CurrentFolder folder;
    Diagnostic d(sim::Variant::StandAlone);
    QVERIFY(d.w().Connect());
    d.form().edtADMeasInt->setText(QStringLiteral("fast"));
    d.w().detector().InjectFault({sim::FaultKind::DropLine, kReadMemory, 1});
    d.Run(false, false);

    const QStringList console = d.w().Console();
    const QRegularExpression failure(
        QStringLiteral("^>>(TKV Error \\[|WIN Error \\[|Not connected!)"));
    QCOMPARE(Between(console, Banner(">>>--LOG"), Banner("<<<--LOG")).filter(failure).size(), 1);
    QCOMPARE(Between(console, Banner(">>>--EXT 1"), Banner("<<<--EXT 1")).filter(failure).size(),
             1);
    QCOMPARE(Between(console, Banner(">>>--EEPROM"), Banner("<<<--EEPROM")).filter(failure).size(),
             1);
    const QStringList analogue = Between(console, Banner(">>>--AD"), Banner("<<<--AD"));
    QCOMPARE(analogue.size(), 2);  // its time stamp and the first channel's head
    QCOMPARE(analogue[1], ">>>SOUNDER1 ----------------------");
    QVERIFY(!d.form().cboAD->isChecked());
    QVERIFY(console.last().startsWith(Separator()));
    QVERIFY(console[console.size() - 2].startsWith("END VOREN XR Diagnostic: "));
    QCOMPARE(folder.Files().size(), 1);
    QCOMPARE(FileBytes(folder.Files().at(0)), ReportBytes(console));
    VerifyControlsRestored(d.form());
  }

  // The current folder is gone: the error box, no confirmation, no report
  // named, and the console as it was.
  void failedSaveShowsTheError() {
    const CurrentFolder folder;
    Diagnostic d(sim::Variant::LoopBased);
    QVERIFY(d.w().Connect());
    const QString gone = folder.Path();
    QVERIFY(QDir(gone).removeRecursively());
    d.Run(false, false);

    QCOMPARE(d.w().dialogs().messages.size(), size_t{1});
    QCOMPARE(d.w().dialogs().messages[0].kind, MessageKind::Error);
    QVERIFY(d.w().dialogs().messages[0].text.contains("VOREN_XR_DIAG_"));
    QVERIFY(d.form().SavedReportFile.isEmpty());
    QCOMPARE(d.w().Console().last(), Separator());
    QVERIFY(!QDir(gone).exists());
    VerifyControlsRestored(d.form());
  }
};

QTEST_MAIN(DiagnosticRunTest)
#include "DiagnosticRunTest.moc"
