// Step 8 of the end-of-line test: the complete unit with its mechanics. The
// operator adjusts the air-flow load until both flows read 80..120; the test
// then corrects each channel's flow towards 100 in EEPROM bytes 484 and 485,
// and the operator checks the sensors.
#include <cstdlib>

#include "EepromLayout.h"
#include "EolScript.h"
#include "FrmTestTKVU.h"

namespace {
constexpr int kFlowLow = 80, kFlowHigh = 120, kFlowTarget = 100, kFarFromTarget = 20;

QString FarFromRange(int channel) {
  return QStringLiteral("!!!!FLUSSO %1 LONTANO DA RANGE PREVISTO(80-120)").arg(channel);
}

// Reads the state until both flows lie in 80..120, the operator adjusting
// the load in between; flows[] holds the last reading.
bool MeasureFlows(EolScript& s, const EolRun& run, int (&flows)[2]) {
  TFrmTestTKV& f = s.f;
  for (;;) {
    if (!s.Continue()) return false;
    if (!s.SimpleRetry(QStringLiteral("!!!!getstate non riuscito"),
                       [&] { return s.Action([&f] { f.btnStateClick(nullptr); }); }))
      return false;
    s.Print(QStringLiteral("    getstate ok"));
    bool retry = false;
    for (int ch = 0; ch < run.channels; ++ch) {
      flows[ch] = f.Device ? f.Device->GetFlow(ch) : -1;
      s.Print(QStringLiteral("    flow %1 = %2").arg(ch + 1).arg(flows[ch]));
    }
    for (int ch = 0; ch < run.channels; ++ch) {
      if (flows[ch] >= kFlowLow && flows[ch] <= kFlowHigh) continue;
      s.Print(FarFromRange(ch + 1));
      retry = true;
    }
    if (!retry) return true;
    s.Wait(QStringLiteral("     <<< PREMERE SPAZIO PER TARARE FLUSSI >>>"));
  }
}

// The correction accumulates: a unit that reads 95 gets 5 more than its image held.
void Calibrate(EolScript& s, EolRun& run, const int (&flows)[2]) {
  for (int ch = 0; ch < run.channels; ++ch) {
    uint8_t& correction = run.image[static_cast<size_t>(layout::kFlowCorrection + ch)];
    if (std::abs(flows[ch] - kFlowTarget) >= kFarFromTarget) {
      s.Print({FarFromRange(ch + 1), QStringLiteral("    TARATURA NON EFFETTUATA")});
      continue;
    }
    correction = static_cast<uint8_t>(correction + kFlowTarget - flows[ch]);
  }
  for (int ch = 0; ch < run.channels; ++ch)
    s.Print(QStringLiteral("    corr %1 e2p= %2")
                .arg(ch + 1)
                .arg(run.image[static_cast<size_t>(layout::kFlowCorrection + ch)]));
  s.Blank();
}

void PrintSensorPolls(EolScript& s, const EolRun& run) {
  TFrmTestTKV& f = s.f;
  for (int ch = 0; ch < run.channels; ++ch)
    s.Print(QStringLiteral("     Last poll sensore %1:").arg(ch + 1) +
            f.SensorStatusText(f.Device ? f.Device->GetSensorOutput(ch) : -1));
}
}  // namespace

bool EolStep8(EolScript& s, EolRun& run) {
  s.Print({QStringLiteral("[S008]"), QStringLiteral("4 - MAIN + LED + MECCANICA"),
           QStringLiteral("--------------------------"),
           QStringLiteral("  A) TOGLIERE ALIMENTAZIONE. STACCARE USB."),
           QStringLiteral("     SU SOUNDER 1 & 2 EOL 47K."), QStringLiteral("     CHIUDERE COVER SWITCH."),
           QStringLiteral("     CHIUDERE INLET CH1.2 E CH2.2"),
           QStringLiteral("     SU INLET CH1.1 E CH2.1(SE 2 CANALI) METTERE CARICO 45L/MIN."),
           QStringLiteral("     ALIMENTARE LA SCHEDA CON EXT SUP 1 = 24V.")});
  if (run.standAlone) s.Print(QStringLiteral("     VERIFICARE LED MODULI ACCESI GIALLI ALL'ACCENSIONE."));
  s.Print(QStringLiteral("     ALIMENTARE CON EXT SUP 1 E 2 = 24V."));
  if (run.standAlone) s.Ask(QStringLiteral("    "));
  if (!s.Continue()) return false;
  s.Print({QStringLiteral("     PREMERE RESET E INSERIRE PASSWORD."),
           QStringLiteral("     APRIRE COVER SWITCH E ATTACCARE USB.")});
  s.Wait(QStringLiteral("     <<< PREMERE SPAZIO PER VERIFICARE FLUSSI >>>"));
  if (!s.Connect()) return false;  // open through the whole step

  int flows[2] = {};
  if (!MeasureFlows(s, run, flows) || !s.Continue() || !s.ReadImage(run)) return false;
  Calibrate(s, run, flows);
  if (!s.Continue() || !s.WriteImage(run)) return false;
  s.Print(QStringLiteral("    TARATURA TERMINATA"));

  if (run.standAlone) {
    s.Blank();
    s.Print({QStringLiteral("  B) STAND ALONE: SENSORI"),
             QStringLiteral("     I SENSORI 1 E 2(SE 2 CANALI) SONO POLLATI AUTOMATICAMENTE E"),
             QStringLiteral("     I LED DEI SENSORI LAMPEGGIANO VERDE?")});
    s.Ask(QStringLiteral("     "));
    PrintSensorPolls(s, run);
    if (!s.Continue()) return false;
  }
  if (run.loopBased) {
    s.Blank();
    s.Print({QStringLiteral("  C) LOOP BASED: SENSORI. ALIMENTARE VALMO."),
             QStringLiteral("     I SENSORI 1 E 2(SE 2 CANALI) SONO INTERROGABILI E"),
             QStringLiteral("     I LED DEI SENSORI LAMPEGGIANO VERDE?")});
    s.Ask(QStringLiteral("     "));
    if (!s.Continue()) return false;
  }
  return true;
}
