// Steps 1 to 5 of the end-of-line test: the bare main board. The operator
// judges the supply current and flashes the firmware; the test programs the
// EEPROM, restores the on-field area, lists the event log and sets the clock.
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "ConsoleMemo.h"
#include "EolScript.h"
#include "FrmTestTKVU.h"

namespace {
constexpr int kLogReadSettleTicks = 50;  // the board starts its fans before the log is read
const QString kAnswer = QStringLiteral("    ");

// The operator picks the image file on the EEPROM page, until one loads.
bool ImportImage(EolScript& s) {
  TFrmTestTKV& f = s.f;
  for (;;) {
    f.LastActionOk = 0;
    f.PageControl1->setCurrentIndex(kEepromPageIndex);
    f.btnImportE2PClick(nullptr);
    f.PageControl1->setCurrentIndex(kManualEolPageIndex);
    if (f.LastActionOk) return true;
    s.Print(QStringLiteral("!!!!file eeprom invalido"));
    s.Wait(kEolRetryPrompt);
    if (!s.Continue()) return false;
  }
}
}  // namespace

bool EolStep1(EolScript& s, EolRun&) {
  s.Print({QStringLiteral("1 - MAIN, SMD"), QStringLiteral("-------------"), QString(),
           QStringLiteral(" A) ALIMENTARE LA SCHEDA CON EXT SUP 1 = 24V."),
           QStringLiteral("    VERIFICARE CHE IL CONSUMO SIA CIRCA 30-40mA."),
           QStringLiteral("    QUINDI TOGLIERE ALIMENTAZIONE.")});
  s.Ask(kAnswer);
  return true;
}

bool EolStep2(EolScript& s, EolRun&) {
  s.Print({QStringLiteral(" [S002]"), QStringLiteral("2 - MAIN, SMD + manuale"),
           QStringLiteral("-----------------------"), QString(),
           QStringLiteral(" A) METTERE IL JUMPER IN POSIZIONE DI PROGRAMMAZIONE."),
           QStringLiteral("    ALIMENTARE LA SCHEDA CON EXT SUP 1 = 24V."),
           QStringLiteral("    IL LED DI PROGRAMMAZIONE DEVE ESSERE ACCESO ROSSO."),
           QStringLiteral("    ATTACCARE CAVO USB."),
           QStringLiteral("    CON IL PROGRAMMA FDT, FLASHARE IL FIRMWARE.")});
  s.Ask(kAnswer);
  return true;
}

bool EolStep3(EolScript& s, EolRun&) {
  TFrmTestTKV& f = s.f;
  s.Print({QStringLiteral(" [S003]"), QStringLiteral(" B) TOGLIERE ALIMENTAZIONE. STACCARE USB."),
           QStringLiteral("    METTERE JUMPER IN POSIZIONE NORMALE."),
           QStringLiteral("    ALIMENTARE LA SCHEDA CON EXT SUP 1 = 24V."),
           QStringLiteral("    IL LED DI PROGRAMMAZIONE DEVE ESSERE SPENTO."),
           QStringLiteral("    ATTACCARE CAVO USB."),
           QStringLiteral("    NEL TAB MANAGEMENT INSERIRE IL CORRETTO NUMERO DI PORTA COM.")});
  s.Wait(QStringLiteral("    <<< PREMERE SPAZIO PER ESEGUIRE PROGRAMMAZIONE EEPROM >>>"));
  if (!ImportImage(s) || !s.Continue()) return false;

  if (!s.ReconnectingRetry(QStringLiteral("!!!!scrittura eeprom non riuscita"),
                           [&f] { f.Button28Click(f.Button28); }))
    return false;
  s.Print(QStringLiteral("    EEPROM PROGRAMMATA CON SUCCESSO"));
  s.Disconnect();
  if (!s.Continue()) return false;

  if (!s.ReconnectingRetry(QStringLiteral("!!!!onfield eeprom restore non riuscito"),
                           [&f] { f.Button34Click(f.Button34); }))
    return false;
  s.Print(QStringLiteral("    ONFIELD EEPROM RESTORE OK"));
  s.Disconnect();
  s.Blank();
  return true;
}

bool EolStep4(EolScript& s, EolRun&) {
  TFrmTestTKV& f = s.f;
  s.Print({QStringLiteral(" [S004]"),
           QStringLiteral(" C) TOGLIERE ALIMENTAZIONE. INSERIRE BATTERIA BOTTONE."),
           QStringLiteral("    SU SOUNDER1 1 E 2 METTERE 47Kohm."),
           QStringLiteral("    TOGLIERE CAVO USB. STACCARE PCB LED."),
           QStringLiteral("    SU RELAY METTERE LED + RESISTENZE CON ALIMENTATORE A 5V"),
           QStringLiteral("    ALIMENTARE LA SCHEDA CON EXT SUP 1 E 2 = 24V."),
           QStringLiteral("    DOPO ATTIVAZIONE VENTOLE ATTACCARE USB.")});
  s.Wait(QStringLiteral("    <<< PREMERE SPAZIO PER VERICARE LOG PCB LED NON RILEVATO >>>"));
  if (!s.Continue()) return false;
  f.EolDelay(kLogReadSettleTicks);

  if (!s.ReconnectingRetry(QStringLiteral("!!!!lettura log non riuscita"),
                           [&f] { f.btnReadLogsClick(f.btnReadLogs); }))
    return false;
  s.Print(QStringLiteral("    log letto con successo"));
  s.Disconnect();
  if (!s.Continue()) return false;

  // The operator reads the listing on the main console: the LED board must
  // show as not detected.
  s.Print(f.memLog->Lines().join(QLatin1Char('\n')));
  s.Ask(kAnswer);
  s.Blank();
  return true;
}

bool EolStep5(EolScript& s, EolRun&) {
  TFrmTestTKV& f = s.f;
  s.Print({QStringLiteral(" [S005]"), QStringLiteral(" D) IMPOSTAZIONE DATA E ORA REAL TIME CLOCK"),
           QStringLiteral("    DATA DA IMPOSTARE: ") + EolScript::Now()});
  s.Wait(QStringLiteral("    <<< PREMERE SPAZIO PER IMPOSTARE E LEGGERE RTC >>>"));
  SetEolTimeFormats();
  f.edtSetTime->setText(EolScript::Now());

  if (!s.ReconnectingRetry(QStringLiteral("!!!!RTC set non riuscito"),
                           [&f] { f.Button23Click(nullptr); }))
    return false;
  s.Print(QStringLiteral("    RTC set ok"));
  s.Disconnect();
  if (!s.Continue()) return false;

  if (!s.ReconnectingRetry(QStringLiteral("!!!!RTC read non riuscito"),
                           [&f] { f.Button24Click(nullptr); }))
    return false;
  s.Print({QStringLiteral("    RTC read ok"), QStringLiteral("    ") + f.edtGetTime->text()});
  s.Disconnect();
  s.Blank(2);
  return true;
}
