#pragma once
// The working parts of EXECUTE DIAGNOSTIC, shared by its files: the run
// itself (DiagnosticRun.cpp), the readings (DiagnosticReadings.cpp), the
// monitors and sensors (DiagnosticMonitors.cpp), the flow tests
// (DiagnosticFlow.cpp) and the alarm test and resets (DiagnosticAlarm.cpp).
#include <QString>
#include <functional>

#include "DiagnosticSchedule.h"

class ConsoleMemo;
class QCheckBox;
class QObject;
class QTimer;
class TFrmTestTKV;
class TKV;

namespace diag {


// The wait of the alarm test from the delays in the configuration the
// connection holds: a delay that cannot be got counts as 0.
int HeldAlarmTestWaitMs(TKV& device);

// ABORT was seen at an abort check: the run ends at once and writes nothing more.
struct Aborted {};

class DiagnosticRun {
 public:
  DiagnosticRun(TFrmTestTKV& form, const RunOptions& options);
  // From the locked controls to the saved report; an abort ends it early
  // without a report, and an error that escapes the sections goes on up.
  void Run();

 private:
  using Handler = void (TFrmTestTKV::*)(QObject*);

  // A monitor of the Admin pages that a section runs: started by ticking its
  // box and running its click handler once, stopped the same way and its
  // timer disabled. A section left early by an abort or an error stops it too.
  class Monitor {
   public:
    Monitor(DiagnosticRun& run, QCheckBox* box, Handler click, QTimer* timer);
    ~Monitor();
    Monitor(const Monitor&) = delete;
    Monitor& operator=(const Monitor&) = delete;
    void Start();
    void Stop();

   private:
    DiagnosticRun& run_;
    QCheckBox* box_;
    Handler click_;
    QTimer* timer_;
    bool running_ = false;
  };

  // The console.
  void Line(const QString& text);
  void Blank();
  void Banner(const char* head, int width = kBannerWidth);
  void Separator();
  void TimestampLine();
  void CopyMemo(ConsoleMemo* memo);  // every line, an empty last one too
  // Time: all of it through the form's pacing.
  void LetEventsThrough();
  void Sleep(int ms);
  void PumpedWait(int ms);
  void CheckAbort();
  // An error inside body abandons the rest of it; an abort goes on.
  void Guarded(const std::function<void()>& body);
  // A guarded section whose closing banner, time stamp and blank line are
  // written even when an error cut it short.
  void ClosedSection(const char* head, int headWidth, const char* closing, int closingWidth,
                     const std::function<void()>& body);

  void Passes();  // throws Aborted
  void PassHeader(int pass);
  void Complete();
  void RunSection(Section section);
  bool CheckedAfter(Section section) const;

  // The sections, in order.
  void Time();
  void Info();
  void State();
  void Log();
  void Eeprom();
  void Ext1();
  void Ext2();
  void Cover();
  void Fans();
  void Analogue(const char* head, const char* closing, int width);
  void ExternalInput();
  void Buttons();
  void RemoteOutputs();
  void Sensors();
  void StandAloneSensors();
  void LoopAddressAndIsolator();
  void ResetBetweenWaits();  // the reset before the flow tests and before the alarm test
  void Ultra();
  void PulseVariation();
  void TestAlarm();
  void FinalReset();
  void Stabilise();

  // Shared by the flow tests.
  void RunCapture();
  void AppendCaptureLists();
  // The 20 short sleeps of the external input, buttons and remote outputs monitors.
  void MonitorSteps(bool abortChecks);
  void LateStoppedMonitor(const char* head, const char* closing, QCheckBox* box, Handler click,
                          QTimer* timer);

  static constexpr int kBannerWidth = 55;

  TFrmTestTKV& f_;
  const RunOptions options_;
  int pass_ = -1;
  bool standAlone_ = true;
};

}  // namespace diag
