#pragma once
#include <QProgressBar>

class QStatusBar;

// A bar in the status bar while a diagnostic run or a log retrieval goes on:
// the current section and how far the run is by its own schedule (sections
// and prescribed waits, in whatever units the run counts them). It never
// touches the console or the report. Hidden when no run is going on.
class RunProgress : public QProgressBar {
  Q_OBJECT
 public:
  explicit RunProgress(QStatusBar* bar);
  // A run starts whose schedule adds up to total.
  void Begin(int total);
  // The run enters a section, having done `done` of its schedule.
  void Enter(const QString& section, int done);
  void Finish();
};
