#pragma once
#include <QString>

// The command line of a run without the window, for factories and remote
// service: the window's own EXECUTE DIAGNOSTIC or RETRIEVE LOG, run on the
// offscreen platform. Arguments that begin with "--" are the tool's own; with
// none of them the program is the window, and the toolkit gets the arguments.

enum class HeadlessMode { Window, Help, Version, BadArguments, Diagnose, RetrieveLog };

struct HeadlessOptions {
  HeadlessMode mode = HeadlessMode::Window;
  int com = 0;
  bool full = false;
  bool testAlarms = false;
  QString error;  // what is wrong with the arguments, for BadArguments
};

// The exit codes of a run without the window.
enum HeadlessExit : int {
  kExitSaved = 0,          // the report was saved
  kExitNoConnection = 1,   // the detector could not be connected
  kExitBadArguments = 2,
  kExitNotSaved = 3,       // the file could not be written, or the run ended on an error
  kExitAborted = 4,        // SIGINT or SIGTERM during the run: ABORT, no report
};

HeadlessOptions ParseHeadlessOptions(int argc, const char* const* argv);
QString HeadlessHelp();
QString HeadlessVersion();
