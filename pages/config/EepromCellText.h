#pragma once
#include <QString>

// What the EEPROM grids draw in their cells: the byte number with what the
// byte means, and the value in decimal, hexadecimal and bits.

// Title of the key column: "Description" filled to 50 characters, "|#Byte".
QString KeyTitleText();
// Title of the value column: "DEC|HEX|BIN 76543210".
QString ValueTitleText();

// The byte number filled with blanks to 3 characters, "|", the description.
QString KeyCellText(const QString& key, const QString& description);
// The key cell of the image grid (bytes 0..511) and of the [ONF] grid
// (1024..1087), described by the EEPROM layout; a key that names no byte of
// the grid has no description.
QString ImageKeyCellText(const QString& key);
QString OnfKeyCellText(const QString& key);

// "5  | 05|    00000101". The hexadecimal and bit parts show the low 8 bits,
// the byte a write would send (300 shows 2C); a value that is not an integer
// is drawn as its text alone.
QString ValueCellText(const QString& value);
