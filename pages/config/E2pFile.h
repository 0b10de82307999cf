#pragma once
#include <QString>

#include "GridRow.h"

// The ".e2p" EEPROM image file: text, one line per grid row, the byte number,
// "=" and the value ("7=12"), CR LF after every line, no byte-order mark.

// Saves the rows in grid order, as they are. Throws FileWriteError.
void SaveE2pFile(const QString& path, const GridRows& rows);

// What a load gives: the rows, or why the file was refused.
struct E2pFileContents {
  GridRows rows;
  QString error;  // empty when the file was read
};

// Every line becomes a row as it is: key = the text before the first "=",
// value = the text after it. Nothing else is checked, but a file that cannot
// be read, holds a NUL byte (not text) or is larger than 1 MiB is refused.
E2pFileContents LoadE2pFile(const QString& path);
