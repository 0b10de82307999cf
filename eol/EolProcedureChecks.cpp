// Step 6 of the end-of-line test: the main board with its LED board. The test
// measures the supplies, thermistors, fans and sounder lines, switches every
// relay for the operator to see, reads the external input and the cover
// switch, and lights the front LEDs red, green and yellow.
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "Convert.h"
#include "EolScript.h"
#include "FrmTestTKVU.h"
#include "LedSelector.h"

namespace {
const QString kAnswer = QStringLiteral("    ");
constexpr int kFanSettleTicks = 20;

struct AdCheck {
  const char* label;
  int channel;
  int minimum, maximum;
  bool secondChannel;  // only on a two-channel unit
};

// A pass of the fan check: both fans at one test speed, their feedback inside the limits.
struct FanCheckStep {
  int speed, minimum, maximum;
};
constexpr FanCheckStep kFanCheckSteps[] = {
    {0, 0, 10}, {1, 510, 560}, {5, 640, 690}, {10, 790, 840}, {5, 640, 690}};

void CheckAll(EolScript& s, const EolRun& run, std::initializer_list<AdCheck> checks) {
  for (const AdCheck& c : checks)
    if (!c.secondChannel || run.twoChannels())
      s.f.EolCheckAd(QString::fromLatin1(c.label), c.channel, c.maximum, c.minimum);
}

bool CheckFans(EolScript& s, const EolRun& run) {
  TFrmTestTKV& f = s.f;
  for (const FanCheckStep& pass : kFanCheckSteps) {
    if (!s.Continue()) return false;
    f.tbFan1->setValue(pass.speed);
    if (run.twoChannels()) f.tbFan2->setValue(pass.speed);
    s.Blank();
    const std::pair<QPushButton*, int> fans[] = {{f.btnTestFan1, 1}, {f.btnTestFan2, 2}};
    for (const auto& [button, fan] : fans) {
      if (fan == 2 && !run.twoChannels()) break;
      if (s.Action([&f, button = button] { f.btnTestFan1Click(button); }))
        s.Print(QStringLiteral("    fan %1 speed: %2").arg(fan).arg(pass.speed));
      else
        s.Print(QStringLiteral("!!!!set fan %1 non riuscito").arg(fan));
    }
    f.EolDelay(kFanSettleTicks);
    CheckAll(s, run, {{"    FAN 1 AD :", 5, pass.minimum, pass.maximum, false},
                      {"    FAN 2 AD :", 6, pass.minimum, pass.maximum, true}});
  }
  return true;
}

struct RelayCheck {
  QPushButton* on;
  QPushButton* off;
  const char* question;
  bool shown;
};

bool CheckRelays(EolScript& s, const EolRun& run) {
  TFrmTestTKV& f = s.f;
  const bool two = run.twoChannels();
  const RelayCheck relays[] = {
      {f.btnAlarm1Relay, f.Button7, "    *IL LED ESTERNO SU ALARM 1 E' ACCESO?", true},
      {f.Button9, f.Button10, "    *IL LED ESTERNO SU ALARM 2 E' ACCESO?", two},
      {f.Button15, f.Button16, "    *IL LED ESTERNO SU PREALARM 1 E' ACCESO(SOLO STAND ALONE)?",
       run.standAlone},
      {f.Button17, f.Button18, "    *IL LED ESTERNO SU PREALARM 2 E' ACCESO(SOLO STAND ALONE)?",
       two && run.standAlone},
      {f.Button19, f.Button20, "    *IL LED ESTERNO SU FAULT E' SPENTO?", true},
      {f.Button21, f.Button22, "    *IL LED ESTERNO SU AUX FAULT E' SPENTO?", true},
      {f.Button11, f.Button12, "    *IL LED ESTERNO SU SOUNDER 1 E' ACCESO?", true},
      {f.Button13, f.Button14, "    *IL LED ESTERNO SU SOUNDER 2 E' ACCESO?", two},
  };
  s.Blank();
  s.Print(QStringLiteral(" E) VERIFICA RELAYS"));
  s.Blank();
  // Every output off first, then each one on, looked at, and off again.
  for (bool ask : {false, true}) {
    for (const RelayCheck& r : relays)
      if (r.shown) f.EolCheckRelay(r.on, r.off, ask, QString::fromLatin1(r.question));
    if (!s.Continue()) return false;
  }
  return true;
}

bool CheckSounders(EolScript& s, const EolRun& run) {
  s.Blank();
  s.Print(QStringLiteral(" F) VERIFICA SOUNDERS"));
  CheckAll(s, run, {{"    SOUNDER 1:", 0, 480, 540, false}, {"    SOUNDER 2:", 1, 480, 540, true}});
  if (!s.Continue()) return false;
  s.Blank();
  s.Print(QStringLiteral("    TOGLIERE 47K DA SOUNDER 1 E 2."));
  s.Wait(QStringLiteral("    <<< PREMERE SPAZIO PER VERIFICARE STATO OPEN SOUNDER >>>"));
  CheckAll(s, run, {{"    SOUNDER 1:", 0, 1020, 1024, false}, {"    SOUNDER 2:", 1, 1020, 1024, true}});
  return s.Continue();
}

// One reading of the external input or of the cover switch against the state expected.
struct SwitchReading {
  void (TFrmTestTKV::*read)(QObject*);
  QLineEdit* TFrmTestTKV::*box;
  const char* failed;
  const char* done;
  const char* wrong;
};
const SwitchReading kInput{&TFrmTestTKV::tmrConfInputTimer, &TFrmTestTKV::edtConfInput,
                           "!!!!read ext input non riuscito", "    read ext input ok",
                           "!!!!STATO INPUT NON CORRETTO"};
const SwitchReading kCover{&TFrmTestTKV::tmrCoverTimer, &TFrmTestTKV::edtCoverPinState,
                           "!!!!read cover switch non riuscito", "    read cover switch ok",
                           "!!!!STATO COVER SWITCH NON CORRETTO"};

bool CheckSwitch(EolScript& s, const SwitchReading& r, const char* expected) {
  TFrmTestTKV& f = s.f;
  if (!s.Action([&] { (f.*r.read)(nullptr); })) {
    s.Print(QString::fromLatin1(r.failed));
  } else {
    s.Print(QString::fromLatin1(r.done));
    if ((f.*r.box)->text() != QLatin1String(expected)) s.Print(QString::fromLatin1(r.wrong));
  }
  return s.Continue();
}

bool CheckSwitches(EolScript& s) {
  s.Blank();
  s.Print(QStringLiteral(" G) LETTURA EXTERNAL INPUT"));
  if (!CheckSwitch(s, kInput, "OPEN")) return false;
  s.Blank();
  s.Print(QStringLiteral(" H) LETTURA EXTERNAL INPUT. METTERE CORTO SU EXT INPUT. "));
  s.Wait(QStringLiteral("    <<< PREMERE SPAZIO PER VERIFICARE EXT INPUT >>>"));
  if (!CheckSwitch(s, kInput, "SHORT")) return false;
  s.Blank();
  s.Print(QStringLiteral(" H) LETTURA COVER SWITCH (APERTO). "));
  if (!CheckSwitch(s, kCover, "0")) return false;
  s.Blank();
  s.Print(QStringLiteral(" I) LETTURA COVER SWITCH. CHIUDERE COVER SWITCH. "));
  s.Wait(QStringLiteral("    <<< PREMERE SPAZIO PER VERIFICARE COVER SWITCH >>>"));
  return CheckSwitch(s, kCover, "1");
}

// Sends the LED selectors as they are set, and asks the operator when sent.
void ShowLeds(EolScript& s) {
  TFrmTestTKV& f = s.f;
  if (s.Action([&f] { f.btnUpdateSRLEDClick(nullptr); }))
    s.Ask(kAnswer);
  else
    s.Print(QStringLiteral("!!!!set led non riuscito"));
}

bool CheckLeds(EolScript& s) {
  TFrmTestTKV& f = s.f;
  s.Blank();
  s.Print(QStringLiteral(" L) VERIFICARE CHE 21/22/25 LED (1C1S/1C2S/2C2S) SONO ACCESI ROSSI."));
  f.btnAllGClick(f.Button29);
  ShowLeds(s);
  if (!s.Continue()) return false;
  s.Blank();
  s.Print(QStringLiteral(" M) VERIFICARE CHE 22/23 LED (1/2 CANALI) SONO ACCESI VERDI."));
  f.btnAllGClick(f.btnAllG);
  ShowLeds(s);
  if (!s.Continue()) return false;
  s.Blank();
  s.Print(QStringLiteral(" N) VERIFICARE CHE 10/20 LED(1/2 CANALI) SONO ACCESI GIALLI."));
  f.btnClearSRLEDClick(nullptr);
  constexpr int kYellow = 3;
  for (int first : {5, 26})
    for (int led = first; led < first + 10; ++led) f.cbLed[static_cast<size_t>(led)]->setCurrentIndex(kYellow);
  ShowLeds(s);
  s.Disconnect();
  return s.Continue();
}

// The clock kept its time through the power cycle when its day is not 0; a
// day that is no number at all is as invalid.
void CheckClockDay(EolScript& s) {
  const std::optional<int> day = TryStrToInt(s.f.edtGetTime->text().left(2));
  if (!day || *day == 0) s.Print(QStringLiteral("!!!!DATA INVALIDA"));
}
}  // namespace

bool EolStep6(EolScript& s, EolRun& run) {
  TFrmTestTKV& f = s.f;
  s.Print({QStringLiteral("[S006]"), QStringLiteral("3 - MAIN + LED"), QStringLiteral("--------------"),
           QString(), QStringLiteral(" A) TOGLIERE ALIMENTAZIONE. COLLEGARE PCB LED. "),
           QStringLiteral("    IN LOOP BASED, METTERE INDIRIZZO ROTARY SWITCH = 0"),
           QStringLiteral("    CHIUDERE COVER SWITCH.")});
  if (run.loopBased) s.Print(QStringLiteral("    ALIMENTARE LOOP CON VALMO."));
  s.Print({QStringLiteral("    ALIMENTARE LA SCHEDA CON EXT SUP 1,2 = 24V."),
           QStringLiteral("    DOPO ATTIVAZIONE VENTOLE PREMERE RESET E INSERIRE"),
           QStringLiteral("    PASSWORD. APRIRE COVER SWITCH E ATTACCARE USB.")});
  s.Wait(QStringLiteral("    <<< PREMERE SPAZIO PER LEGGERE RTC >>>"));
  if (!s.Continue()) return false;

  if (!s.ReconnectingRetry(QStringLiteral("!!!!RTC read non riuscito"),
                           [&f] { f.Button24Click(nullptr); }))
    return false;
  s.Print({QStringLiteral("    RTC read ok"), QStringLiteral("    ") + f.edtGetTime->text()});
  CheckClockDay(s);
  s.Disconnect();
  if (!s.Continue() || !s.Connect()) return false;  // this connection serves B to N

  s.Blank();
  s.Print(QStringLiteral(" B) VERIFICA POWER SUPPLIES"));
  CheckAll(s, run, {{"    POWER 1:", 7, 660, 695, false}, {"    POWER 2:", 8, 660, 695, false}});
  s.Blank();
  s.Print(QStringLiteral(" C) VERIFICA TERMISTORI"));
  CheckAll(s, run, {{"    TH 1  :", 3, 218, 245, false},
                    {"    TH 2  :", 4, 218, 245, true},
                    {"    TH PCB:", 2, 218, 245, false}});
  s.Blank();
  s.Print(QStringLiteral(" D) VERIFICA FANS"));
  return CheckFans(s, run) && CheckRelays(s, run) && CheckSounders(s, run) && CheckSwitches(s) &&
         CheckLeds(s);
}
