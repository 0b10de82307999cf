#pragma once
// Starting a monitor of the Admin pages: a check box that runs a window timer
// at the interval typed in an edit box.
class Pacing;
class QCheckBox;
class QLineEdit;
class QTimer;

// Starts the timer at the number of milliseconds in the box. A text that is
// not a positive whole number unticks the check box, leaves the timer off and
// ends the click with the conversion error.
void StartMonitorTimer(const Pacing& pacing, QCheckBox* box, QTimer* timer,
                       const QLineEdit* interval);
