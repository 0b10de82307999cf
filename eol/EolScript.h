#pragma once
// The notation the end-of-line steps are written in, over the operator
// primitives of the form, and the parameters of one run. Every function that
// returns bool returns false when the run has ended (stopped and aborted):
// the step then returns at once.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>

class TFrmTestTKV;

constexpr int kEolImageSize = 512;
constexpr int kEepromPageIndex = 1, kManualEolPageIndex = 7;  // pages of PageControl1
inline const QString kEolRetryPrompt = QStringLiteral("     <<< PREMERE SPAZIO PER RIPROVARE >>>");

// Fixed when START is pressed.
struct EolRun {
  bool standAlone = true;
  bool loopBased = false;
  int channels = 2;
  std::array<uint8_t, 4> serial{};          // the low 8 bits of edtSer1..edtSer4
  std::array<uint8_t, kEolImageSize> image{};  // EEPROM 0..511, used by steps 8 and 9
  bool twoChannels() const { return channels == 2; }
};

class EolScript {
 public:
  explicit EolScript(TFrmTestTKV& form) : f(form) {}

  void Print(const QString& text) const;
  void Print(const QStringList& lines) const;
  void Blank(int count = 1) const;
  void Ask(const QString& prefix) const;
  void Wait(const QString& prompt) const;
  // The stop check: true when the run goes on; when stopped, it aborts.
  bool Continue() const;
  bool Connect() const;
  void Disconnect() const;
  // Clears LastActionOk, invokes the page action, and tells whether it set it.
  bool Action(const std::function<void()>& action) const;
  // Until the action succeeds: connect, act, and on failure disconnect, print
  // the failure line, ask for the USB cable to be replugged and wait for space.
  bool ReconnectingRetry(const QString& failure, const std::function<void()>& action) const;
  // Until the operation succeeds: on failure print the line and wait for space.
  bool SimpleRetry(const QString& failure, const std::function<bool()>& operation) const;
  // The run's image read from and written to the detector (all three ranges,
  // checksums made first), each retried until it succeeds.
  bool ReadImage(EolRun& run) const;
  bool WriteImage(EolRun& run) const;
  // The PC's date and time in the run's formats.
  static QString Now();

  TFrmTestTKV& f;
};

// The steps, each run from its first line to its last; false: the run ended.
bool EolStep1(EolScript& s, EolRun& run);
bool EolStep2(EolScript& s, EolRun& run);
bool EolStep3(EolScript& s, EolRun& run);
bool EolStep4(EolScript& s, EolRun& run);
bool EolStep5(EolScript& s, EolRun& run);
bool EolStep6(EolScript& s, EolRun& run);
bool EolStep7(EolScript& s, EolRun& run);
bool EolStep8(EolScript& s, EolRun& run);
bool EolStep9(EolScript& s, EolRun& run);
bool EolStep10(EolScript& s, EolRun& run);

// The run's short date and long time formats, set at the start of a run and
// again before the clock is set: the clock write reads the fixed layout
// "dd/mm/yy hh:mm:ss" they give.
void SetEolTimeFormats();
