#include "EolScript.h"

#include "FrmTestTKVU.h"
#include "TimeStamp.h"

namespace {
constexpr int kAllRanges = 255;  // written even where the checksums were wrong
}

void SetEolTimeFormats() {
  SetShortDateFormat(QStringLiteral("dd/MM/yy"));
  SetLongTimeFormat(QStringLiteral("hh:mm:ss"));
}

void EolScript::Print(const QString& text) const { f.EolPrint(text); }

void EolScript::Print(const QStringList& lines) const {
  for (const QString& line : lines) f.EolPrint(line);
}

void EolScript::Blank(int count) const {
  for (int i = 0; i < count; ++i) f.EolPrint(QString());
}

void EolScript::Ask(const QString& prefix) const { f.EolAskYesNo(prefix); }

void EolScript::Wait(const QString& prompt) const { f.EolWaitSpace(prompt); }

bool EolScript::Continue() const {
  if (!f.EolStopped) return true;
  f.EolAbort();
  return false;
}

bool EolScript::Connect() const { return f.EolConnect(); }

void EolScript::Disconnect() const { f.Button2Click(nullptr); }

bool EolScript::Action(const std::function<void()>& action) const {
  f.LastActionOk = 0;
  action();
  return f.LastActionOk != 0;
}

bool EolScript::ReconnectingRetry(const QString& failure,
                                  const std::function<void()>& action) const {
  for (;;) {
    if (!Connect()) return false;
    if (Action(action)) return true;
    Disconnect();
    Print(failure);
    Print(QStringLiteral("!!!!DISCONNETTERE E RICONNETTERE CAVO USB."));
    Wait(kEolRetryPrompt);
    if (!Continue()) return false;
  }
}

bool EolScript::SimpleRetry(const QString& failure, const std::function<bool()>& operation) const {
  for (;;) {
    if (operation()) return true;
    Print(failure);
    Wait(kEolRetryPrompt);
    if (!Continue()) return false;
  }
}

bool EolScript::ReadImage(EolRun& run) const {
  return SimpleRetry(QStringLiteral("!!!!get eeprom non riuscita"), [&] {
    return f.Device && f.Device->ReadEepromImage(run.image.data());
  });
}

bool EolScript::WriteImage(EolRun& run) const {
  TKV::UpdateImageChecksums(run.image.data());
  if (!Continue()) return false;
  return SimpleRetry(QStringLiteral("!!!!write eeprom non riuscita"), [&] {
    return f.Device &&
           f.Device->WriteEepromAreas(run.image.data(), kAllRanges, kAllRanges, kAllRanges);
  });
}

QString EolScript::Now() { return TimeStampText(); }
