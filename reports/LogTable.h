#pragma once
#include <QString>

#include "Records.h"

// The event log as a fixed-width table: 143 characters a row.
QString LogTableHeader();
QString LogTableDashes();
// Row `number` for an entry of a device of the given variant (GetVariant).
QString LogTableRow(int number, const LogRecord& entry, int variant);
