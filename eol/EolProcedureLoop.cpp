// Step 7 of the end-of-line test, loop-based units only: the operator works
// the loop module from a loop-panel test set and answers what it shows; the
// test reads the isolator closed, opened by the loop command, and closed again.
#include <QLineEdit>

#include "EolScript.h"
#include "FrmTestTKVU.h"

namespace {
const QString kAnswer = QStringLiteral("    ");
const QString kAttachUsb[] = {QStringLiteral("    *PREMERE RESET, INSERIRE PASSWORD."),
                              QStringLiteral("     APRIRE COVER, ATTACCARE USB.")};

// What one isolator reading must show; an empty pin is not checked.
struct IsolatorExpected {
  const char* state;
  const char* pin;
};

bool ReadIsolator(EolScript& s, IsolatorExpected expected) {
  TFrmTestTKV& f = s.f;
  if (!s.Connect()) return false;
  if (!s.Action([&f] { f.btnReadIsolatorClick(nullptr); })) {
    s.Print(QStringLiteral("!!!!read iso state non riuscito"));
  } else {
    s.Print(QStringLiteral("    read iso state ok"));
    if (f.edtSub127->text() != QLatin1String(expected.state))
      s.Print(QStringLiteral("!!!!STATO ISO NON CORRETTO"));
    if (*expected.pin && f.edtIsolatorPinState->text() != QLatin1String(expected.pin))
      s.Print(QStringLiteral("!!!!STATO ISO PIN NON CORRETTO"));
  }
  s.Disconnect();
  return s.Continue();
}

bool WaitForUsb(EolScript& s) {
  s.Print({kAttachUsb[0], kAttachUsb[1]});
  s.Wait(QStringLiteral("     <<< PREMERE SPAZIO PER VERIFICARE STATO ISO >>>"));
  return s.Continue();
}

// The operator switches the isolator with loop command 11 and checks it on
// the loop; then the test reads it over USB.
bool SwitchIsolator(EolScript& s, const char* command, const char* shown,
                    IsolatorExpected expected) {
  s.Blank();
  s.Print({QStringLiteral("    *STACCARE USB. CHIUDERE COVER. PREMERE PER 2 SEC"),
           QStringLiteral("     RESET+TEST+DISABLE"),
           QStringLiteral("     INVIARE A 155 COMANDO 11,%1 E VERIFICARE CON COMANDO").arg(command),
           QStringLiteral("     134, 127 (READ INPUT VALUE) CHE STATO = %1").arg(QLatin1String(shown))});
  s.Ask(kAnswer);
  return s.Continue() && WaitForUsb(s) && ReadIsolator(s, expected);
}

bool LoopModuleQuestions(EolScript& s, const EolRun& run) {
  s.Blank();
  s.Print({QStringLiteral(" O) LOOP BASED. STACCARE CAVO USB."),
           QStringLiteral("     CHIUDERE COVER. PREMERE PER 2 SEC TEST+REST+DISABLE"),
           QStringLiteral("     INTERROGARE 00, VERIFICARE RISPOSTA"),
           QStringLiteral("     E LAMPEGGIO MODULO 1 LED VERDE")});
  s.Ask(kAnswer);
  if (!s.Continue()) return false;
  if (run.twoChannels()) {
    s.Print({QStringLiteral("    *INTERROGARE 01, VERIFICARE RISPOSTA"),
             QStringLiteral("     E LAMPEGGIO MODULO 2 LED VERDE")});
    s.Ask(kAnswer);
  }
  if (!s.Continue()) return false;
  s.Print({QStringLiteral("    *TOGLIERE ALIMENTAZIONE."),
           QStringLiteral("     CAMBIARE INDIRIZZO ROTARY SWITCH, METTERE 33."),
           QStringLiteral("     ATTACCARE ALIMENTAZIONE."),
           QStringLiteral("     INTERROGARE 33, VERIFICARE RISPOSTA"),
           QStringLiteral("     E LAMPEGGIO MODULO 1 LED VERDE")});
  s.Ask(kAnswer);
  if (!s.Continue()) return false;
  s.Print({QStringLiteral("    *CORTOCIRCUITARE LOOP."),
           QStringLiteral("     VERIFICARE CHE ENTRAMBI I LED DEI MODULI SIANO"),
           QStringLiteral("     GIALLI FISSI (UNO SOLO SE 1 CANALE)."),
           QStringLiteral("     INVIARE A 33 COMANDO 134, 127 (READ INPUT VALUE)"),
           QStringLiteral("     E VERIFICARE RISPOSTA = 96")});
  s.Ask(kAnswer);
  if (!s.Continue()) return false;
  s.Print({QStringLiteral("    *TOGLIERE ALIMENTAZIONE."),
           QStringLiteral("     CAMBIARE INDIRIZZO ROTARY SWITCH, METTERE 155."),
           QStringLiteral("     ATTACCARE ALIMENTAZIONE."),
           QStringLiteral("     INVIARE COMANDO RESET POWER ON SU INDIRIZZO 155."),
           QStringLiteral("     INTERROGARE 155, VERIFICARE RISPOSTA"),
           QStringLiteral("     E LAMPEGGIO MODULO 1 LED VERDE")});
  s.Ask(kAnswer);
  if (!s.Continue()) return false;
  for (int module = 1; module <= run.channels; ++module) {
    s.Print({QStringLiteral("    *SU INDIRIZZO 155 INVIARE COMANDO SET OUTPUT (1) "),
             QStringLiteral("     SU SUBADD %1, DATO 8,8. IL LED DEL MODULO %2 E' ACCESO GIALLO?")
                 .arg(128 + module)
                 .arg(module)});
    s.Ask(kAnswer);
  }
  return s.Continue();
}
}  // namespace

bool EolStep7(EolScript& s, EolRun& run) {
  s.Print(QStringLiteral("[S007]"));
  if (run.loopBased) {
    if (!LoopModuleQuestions(s, run) || !WaitForUsb(s)) return false;
    s.Print(QStringLiteral("    *LETTURA STATO ISOLATORI (224 = CLOSE)"));
    if (!ReadIsolator(s, {"224", ""}) || !SwitchIsolator(s, "32", "32 (OPEN)", {"32", "0"}) ||
        !SwitchIsolator(s, "96", "224 (CLOSE)", {"224", "1"}))
      return false;
  }
  s.Blank(2);
  return true;
}
