#pragma once
#include <QString>

// The text of an event-log code; the empty text for an unassigned code.
QString EventText(int code);
