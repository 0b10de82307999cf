#pragma once
#include <QString>
#include <QVector>

// One row of a key/value grid of the EEPROM page: the byte number and its
// value, both as the operator or a file left them.
struct GridRow {
  QString key;
  QString value;
  bool operator==(const GridRow& other) const { return key == other.key && value == other.value; }
};

using GridRows = QVector<GridRow>;
