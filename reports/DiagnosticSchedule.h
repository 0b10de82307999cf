#pragma once
// Which sections a diagnostic run makes, in which pass, and the waits each
// one prescribes. The run follows this list, and the status-bar progress
// counts it before the run starts.
#include <QString>
#include <vector>

namespace diag {

// The run's fixed counts and waits, in milliseconds.
constexpr int kRamFirst = 16719872, kRamLast = 16726748;  // FF2000..FF3ADC, both read
constexpr int kRamReadSleepMs = 1;
constexpr int kMonitorIntervalMs = 100;  // of every monitor the run starts
constexpr int kCoverSamples = 50, kCoverSampleMs = 100;
constexpr int kFanSettleMs = 50, kFanSteps = 256, kFanStepMs = 10;
constexpr int kAdChannels = 9, kAdSampleMs = 1000;
constexpr int kMonitorSteps = 20, kMonitorStepMs = 50;
constexpr int kSensorStepMs = 50, kSensorPollMs = 11000;  // 220 steps
constexpr int kResetSettleMs = 1000;                      // before and after a reset
constexpr int kCaptureWaitMs = 5000, kCaptureStepMs = 50;
constexpr int kPulseSettings = 4, kCaptureStopPeriodMs = 30000;  // tmr30's period
constexpr int kAlarmStepMs = 50;
constexpr int kStabiliseRounds = 12, kStabiliseSleepMs = 5000;

// In the order the run makes them.
enum class Section {
  Time,
  Info,
  State,
  Log,
  Eeprom,
  Ext1,
  Ext2,  // the RAM dump
  Cover,
  Fans,
  Analogue,
  ExternalInput,
  Buttons,
  RemoteOutputs,
  Sensors,    // SA SENS on a stand-alone detector, else LOOP ADD and ISOLATOR
  FlowReset,  // the reset before the flow tests
  Ultra,
  PulseVariation,
  TestAlarm,
  FinalReset,
  Stabilisation,  // between the passes of a full run
};

struct RunOptions {
  bool full = false;        // FULL DIAGNOSTIC
  bool testAlarms = false;  // TEST ALARMS
  bool standAlone = true;
  int alarmWaitMs = 0;  // the wait of the alarm test
};

struct Step {
  int pass;
  Section section;
};

std::vector<Step> Schedule(const RunOptions& options);

// The sleeps and pumped waits the section asks for, in milliseconds. The
// flow captures of the pulse variation count one capture-stop period each.
int PrescribedWaitMs(Section section, const RunOptions& options);

// A step of the progress bar: one for the section and one per whole second
// of its prescribed waits.
int ProgressWeight(Section section, const RunOptions& options);

int TotalProgressWeight(const RunOptions& options);

// The name the status bar shows for the section.
QString SectionName(Section section, bool standAlone);

// The alarm test waits out both delays (seconds) and 5 s more, 240 s at most.
int AlarmTestWaitMs(int prealarmDelay, int alarmDelay);

}  // namespace diag
