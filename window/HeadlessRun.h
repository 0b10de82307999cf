#pragma once
#include "HeadlessOptions.h"

// Before the application exists: the offscreen platform, so that no display
// is needed, and the toolkit's own chatter kept off standard error, which is
// left to the one line that tells how the run ended.
void PrepareHeadless();

// Runs a diagnostic or a log retrieval without the window (the QApplication
// exists already, on the offscreen platform) and returns the exit code.
int RunHeadless(const HeadlessOptions& options);

// Help, version and bad arguments: prints them and returns the exit code.
int TellHeadlessOptions(const HeadlessOptions& options);
