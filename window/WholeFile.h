#pragma once
#include <QString>
#include <functional>

class QIODevice;

// Writes a file whole or not at all: `write` fills a temporary file in the
// same folder, which replaces the file only once every byte has reached the
// disk, so a failed save leaves the old file as it was. Each write goes
// straight to the system, so that a full disk fails the save instead of being
// found after the file was replaced. A failure throws FileWriteError naming
// the cause the system gave, e.g. `Cannot create file "x". No space left on
// device`.
void WriteWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write);
