// Steps 9 and 10 of the end-of-line test: the serial number, the
// manufacturing and configuration dates and the fixed table are stamped into
// the EEPROM and backed up; then the on-field area is restored and the clock set.
#include <QDateTime>
#include <QLineEdit>
#include <QPushButton>

#include "EolScript.h"
#include "EolStamp.h"
#include "FrmTestTKVU.h"

namespace {
constexpr int kReconnectTicks = 10;  // the board needs a second before it takes USB again
const QStringList kPowerCycle = {
    QStringLiteral("  D) TOGLIERE ALIMENTAZIONE. STACCARE USB. CHIUDERE COVER SWITCH."),
    QStringLiteral("     ALIMENTARE. PREMERE RESET ED INSERIRE PWD."),
    QStringLiteral("     ATTACCARE USB.")};

// The operator cycles the power and plugs USB in again; the test reconnects.
bool Reconnect(EolScript& s, const QString& prompt) {
  s.Print(kPowerCycle);
  s.Wait(prompt);
  s.Disconnect();
  s.f.EolDelay(kReconnectTicks);
  return s.Connect() && s.Continue();
}
}  // namespace

bool EolStep9(EolScript& s, EolRun& run) {
  TFrmTestTKV& f = s.f;
  s.Print(QStringLiteral("[S009]"));
  if (!Reconnect(s, QStringLiteral("     <<< PREMERE SPAZIO PER SETTARE EEPROM >>>")) ||
      !s.ReadImage(run))
    return false;
  StampFactoryData(run.image, run.serial, QDateTime::currentDateTime());
  if (!s.Continue() || !s.WriteImage(run)) return false;
  s.Print(QStringLiteral("    EEPROM OK"));
  if (!s.SimpleRetry(QStringLiteral("!!!!set eeprom backup non riuscito"),
                     [&] { return s.Action([&f] { f.Button31Click(f.Button31); }); }))
    return false;
  s.Print(QStringLiteral("    BACKUP EEPROM OK"));
  return s.Continue();
}

bool EolStep10(EolScript& s, EolRun&) {
  TFrmTestTKV& f = s.f;
  s.Print(QStringLiteral("[S010]"));
  if (!Reconnect(s, QStringLiteral("     <<< PREMERE SPAZIO PER FINALIZZARE EEPROM >>>"))) return false;
  if (!s.SimpleRetry(QStringLiteral("!!!!onfield eeprom restore non riuscito"),
                     [&] { return s.Action([&f] { f.Button34Click(f.Button34); }); }))
    return false;
  s.Print(QStringLiteral("    ONFIELD EEPROM RESTORE OK"));
  f.edtSetTime->setText(EolScript::Now());
  s.Print(s.Action([&f] { f.Button23Click(nullptr); }) ? QStringLiteral("    RTC set ok")
                                                        : QStringLiteral("!!!!RTC set non riuscito"));
  s.Disconnect();
  return true;
}
