#pragma once
#include <stdexcept>

// The errors the toolkit raises in the middle of a handler. The handler guard
// shows them in the error box; they never reach the event loop.

// A text that is not a number.
class ConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A report or export file that could not be written.
class FileWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
