#pragma once
#include <QString>
#include <QStringList>

// Writes the lines as a report file: Latin-1, no byte-order mark, CR LF after
// every line. The file is written whole through a temporary file in the same
// folder and renamed into place (WriteWholeFile), so a failed save never
// leaves half a report and never damages the file it was to replace. Throws
// FileWriteError naming the system's cause.
void WriteReportFile(const QString& path, const QStringList& lines);
