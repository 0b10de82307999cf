#include "DiagnosticSchedule.h"

#include <algorithm>

namespace diag {

namespace {
constexpr int kAlarmWaitExtraS = 5, kAlarmWaitCapMs = 240000;

enum class Passes { Every, First, FirstOfFull };

struct Rule {
  Section section;
  Passes passes;
};

constexpr Rule kRules[] = {
    {Section::Time, Passes::Every},
    {Section::Info, Passes::Every},
    {Section::State, Passes::Every},
    {Section::Log, Passes::Every},
    {Section::Eeprom, Passes::First},
    {Section::Ext1, Passes::Every},
    {Section::Ext2, Passes::FirstOfFull},
    {Section::Cover, Passes::First},
    {Section::Fans, Passes::First},
    {Section::Analogue, Passes::Every},
    {Section::ExternalInput, Passes::Every},
    {Section::Buttons, Passes::First},
    {Section::RemoteOutputs, Passes::First},
    {Section::Sensors, Passes::Every},
    {Section::FlowReset, Passes::FirstOfFull},
    {Section::Ultra, Passes::FirstOfFull},
    {Section::PulseVariation, Passes::FirstOfFull},
    {Section::TestAlarm, Passes::Every},
    {Section::FinalReset, Passes::Every},
};

bool Runs(const Rule& rule, int pass, const RunOptions& options) {
  if (rule.section == Section::TestAlarm && !options.testAlarms) return false;
  switch (rule.passes) {
    case Passes::Every: return true;
    case Passes::First: return pass == 0;
    case Passes::FirstOfFull: return pass == 0 && options.full;
  }
  return false;
}
}  // namespace

std::vector<Step> Schedule(const RunOptions& options) {
  std::vector<Step> steps;
  const int passes = options.full ? 2 : 1;
  for (int pass = 0; pass < passes; ++pass) {
    for (const Rule& rule : kRules)
      if (Runs(rule, pass, options)) steps.push_back({pass, rule.section});
    if (pass == 0 && options.full) steps.push_back({pass, Section::Stabilisation});
  }
  return steps;
}

int PrescribedWaitMs(Section section, const RunOptions& options) {
  const int monitorMs = kMonitorSteps * kMonitorStepMs;
  switch (section) {
    case Section::Ext2: return (kRamLast - kRamFirst + 1) * kRamReadSleepMs;
    case Section::Cover: return kCoverSamples * kCoverSampleMs;
    case Section::Fans: return kFanSettleMs + kFanSteps * kFanStepMs;
    case Section::Analogue: return kAdChannels * kAdSampleMs;
    case Section::ExternalInput:
    case Section::Buttons:
    case Section::RemoteOutputs: return monitorMs;
    case Section::Sensors: return options.standAlone ? kSensorPollMs : 0;
    case Section::FlowReset: return 2 * kResetSettleMs;
    case Section::PulseVariation: return kPulseSettings * kCaptureStopPeriodMs;
    case Section::TestAlarm:
      return 2 * kResetSettleMs + options.alarmWaitMs + kAdChannels * kAdSampleMs + monitorMs;
    case Section::Stabilisation: return kStabiliseRounds * kStabiliseSleepMs;
    default: return 0;
  }
}

int ProgressWeight(Section section, const RunOptions& options) {
  return 1 + PrescribedWaitMs(section, options) / 1000;
}

int TotalProgressWeight(const RunOptions& options) {
  int total = 0;
  for (const Step& step : Schedule(options)) total += ProgressWeight(step.section, options);
  return total;
}

QString SectionName(Section section, bool standAlone) {
  switch (section) {
    case Section::Time: return QStringLiteral("TIME");
    case Section::Info: return QStringLiteral("INFO");
    case Section::State: return QStringLiteral("STATE");
    case Section::Log: return QStringLiteral("LOG");
    case Section::Eeprom: return QStringLiteral("EEPROM");
    case Section::Ext1: return QStringLiteral("EXT 1");
    case Section::Ext2: return QStringLiteral("EXT 2");
    case Section::Cover: return QStringLiteral("COVER");
    case Section::Fans: return QStringLiteral("FANS-DAC/AD");
    case Section::Analogue: return QStringLiteral("AD");
    case Section::ExternalInput: return QStringLiteral("EXT INP");
    case Section::Buttons: return QStringLiteral("BUTTONS");
    case Section::RemoteOutputs: return QStringLiteral("REMOTE OUT");
    case Section::Sensors:
      return standAlone ? QStringLiteral("SA SENS") : QStringLiteral("LOOP ADD/ISOLATOR");
    case Section::FlowReset: return QStringLiteral("RESET");
    case Section::Ultra: return QStringLiteral("ULTRA");
    case Section::PulseVariation: return QStringLiteral("ULTRA PULSES VARIATION");
    case Section::TestAlarm: return QStringLiteral("TEST ALARM");
    case Section::FinalReset: return QStringLiteral("RESET");
    case Section::Stabilisation: return QStringLiteral("waiting stabilizing");
  }
  return {};
}

int AlarmTestWaitMs(int prealarmDelay, int alarmDelay) {
  return std::min((prealarmDelay + alarmDelay + kAlarmWaitExtraS) * 1000, kAlarmWaitCapMs);
}

}  // namespace diag
