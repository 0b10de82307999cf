#pragma once
#include <functional>

class Dialogs;

// The one way a handler is run from a click or a timer tick: an error that
// escapes it ends the handler with the toolkit's error box and goes no further.
void RunGuarded(Dialogs& dialogs, const std::function<void()>& handler);
