#pragma once
#include <cstdint>

// Why the last TKV operation failed (held in TKV::LastResult). 0 doubles as
// "unknown error": every operation clears it before its transaction.
enum ResultCode : int32_t {
  ResultUnknown = 0,
  ResultSuccess = 1,
  ResultWindowsError = 2,
  ResultInvalidPort = 3,
  ResultTimeout = 4,
  ResultGreetRefused = 5,
  ResultBadAnswer = 6,
  ResultBadChecksum = 7,
  ResultRefused = 8,
  ResultEepromStatusRefused = 9,
  ResultNotConnected = 10,
  ResultStateRefused = 11,
  ResultUnknownState = 12,
  ResultBadCall = 13,
  ResultInfoUnavailable = 14,
  ResultLogUnavailable = 15,
  ResultLogHeaderRefused = 16,
  ResultWrongLogIndex = 17,
  ResultLogAreaRefused = 18,
  ResultStateForbids = 19,
  ResultEepromRefused = 20,
  ResultBackupInvalid = 21,
  ResultEepromInvalid = 22,
  ResultBadImageChecksum = 23,
  ResultClockRefused = 24,
  ResultBadTimeouts = 25,
};

// The text the window prints for a code; empty for codes outside 0..24.
const char* ResultText(int32_t code);
