#pragma once
// The real window connected over a real pseudo-terminal to a simulated
// detector that answers as COM5 in a private port directory.
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

#include "FrmTestTKVU.h"
#include "ScriptedDialogs.h"
#include "SimulatedPort.h"

class DetectorWindow {
 public:
  explicit DetectorWindow(sim::DetectorOptions options = {});

  TFrmTestTKV& form() { return form_; }
  ScriptedDialogs& dialogs() { return *dialogs_; }
  sim::SimulatedDetector& detector() { return port_.detector(); }
  unsigned comNumber() const { return port_.number(); }
  const std::string& portsDir() const { return port_.portsDir(); }

  // Types the COM number and presses Connect; true when the window is connected.
  bool Connect();
  // Presses the button of that name, through the handler guard as a click does.
  void Click(const char* name);
  QStringList Console();
  QStringList State();
  // The console lines printed since the last call (or since the start).
  QStringList NewConsoleLines();
  QString StatusText();
  QColor StatusColour();

 private:
  testsupport::SimulatedPort port_;
  ScriptedDialogs* dialogs_;
  TFrmTestTKV form_;
  int seen_ = 0;
};
