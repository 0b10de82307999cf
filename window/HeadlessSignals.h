#pragma once
#include <QObject>

class QSocketNotifier;

// SIGINT and SIGTERM during a run without the window. The signal handler only
// notes the signal and writes a byte into a pipe; the window's thread hears it
// at its next event processing, as it would hear the ABORT button. The first
// signal puts the default action back, so a second one ends the program.
class HeadlessSignals : public QObject {
  Q_OBJECT
 public:
  HeadlessSignals();
  ~HeadlessSignals() override;
  HeadlessSignals(const HeadlessSignals&) = delete;
  HeadlessSignals& operator=(const HeadlessSignals&) = delete;

  // True once a signal has arrived, even if no events were processed since.
  static bool Arrived();

 signals:
  void Received();

 private:
  QSocketNotifier* notifier_ = nullptr;
};
