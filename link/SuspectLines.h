#pragma once
#include <string>

// The lines a closed connection left suspect, by the device behind the port. The
// window makes a new TKV for every connection attempt, while the late answer
// that made the line suspect may still be on its way; the next connection to
// the same line starts suspect, so its greeting settles the line first.
namespace suspectlines {

void Remember(const std::string& path, bool suspect);
bool IsSuspect(const std::string& path);

}  // namespace suspectlines
