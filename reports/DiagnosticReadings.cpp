// The diagnostic's readings: clock, information, state, event log, the
// EEPROM and extended command 1 dumps, and the RAM dump of a full run.
#include <QLineEdit>
#include <QPushButton>

#include "ConsoleMemo.h"
#include "DiagnosticRun.h"
#include "FrmTestTKVU.h"

namespace diag {

void DiagnosticRun::Time() {
  Banner(">>>--TIME");
  f_.Button24Click(nullptr);
  Line(f_.edtGetTime->text());
  Banner("<<<--TIME");
  Blank();
}

void DiagnosticRun::Info() {
  Banner(">>>--INFO");
  TimestampLine();
  f_.ClearStatePanel();
  f_.Button4Click(nullptr);
  CopyMemo(f_.memState);
  Banner("<<<--INFO");
  Blank();
}

void DiagnosticRun::State() {
  f_.ClearStatePanel();
  Banner(">>>--STATE");
  TimestampLine();
  f_.btnStateClick(nullptr);
  CopyMemo(f_.memState);
  Banner("<<<--STATE");
  Blank();
}

void DiagnosticRun::Log() {
  Banner(">>>--LOG");
  TimestampLine();
  f_.btnReadLogsClick(f_.btnReadAllLogs);
  Banner("<<<--LOG");
  Blank();
}

void DiagnosticRun::Eeprom() {
  Banner(">>>--EEPROM");
  TimestampLine();
  f_.Button39Click(nullptr);
  Banner("<<<--EEPROM");
  Blank();
}

void DiagnosticRun::Ext1() {
  Banner(">>>--EXT 1");
  TimestampLine();
  f_.Button36Click(nullptr);
  Banner("<<<--EXT 1");
  Blank();
}

// One line per address, from the RAM read's own print.
void DiagnosticRun::Ext2() {
  Banner(">>>--EXT 2");
  TimestampLine();
  for (int address = kRamFirst; address <= kRamLast; ++address) {
    CheckAbort();
    f_.edtReadRAM->setText(QString::number(address));
    f_.Button43Click(nullptr);
    Sleep(kRamReadSleepMs);
    LetEventsThrough();
  }
  Banner("<<<--EXT 2");
  Blank();
}

}  // namespace diag
