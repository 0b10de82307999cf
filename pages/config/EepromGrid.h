#pragma once
#include <QHash>
#include <QSet>
#include <QTableView>
#include <cstdint>
#include <vector>

#include "EepromGridDelegate.h"
#include "GridRow.h"

class EepromGridModel;

// A key/value grid of EEPROM bytes (vleE2P, vleE2P_log): key = byte number,
// value = decimal text the operator may edit. The page keeps the bytes
// nowhere else, so every action converts the values when it needs them,
// looking each byte up by its key (the first row with that key counts).
class EepromGrid : public QTableView {
  Q_OBJECT
 public:
  // Image: bytes 0..511, every cell and title drawn by the page, the value in
  // decimal, hexadecimal and bits. Onf: bytes 1024..1087, the captions
  // "#Byte" and "Value" and the value as it is.
  enum class Kind { Image, Onf };
  EepromGrid(QWidget* parent, Kind kind);

  const GridRows& Rows() const;
  // Replaces every row; the grid draws nothing meanwhile (Tag 1) and is
  // repainted once afterwards.
  void SetRows(GridRows rows);
  // Rows with keys firstKey .. firstKey + count - 1 and the bytes as values.
  void Fill(int firstKey, const uint8_t* bytes, int count);

  // The value of the first row with the key; empty when there is none.
  QString Value(const QString& key) const;
  // Sets the value of the first row with the key, or adds a row for it.
  void SetValue(const QString& key, const QString& value);

  // The low 8 bits of the values of keys firstKey .. firstKey + count - 1 (300
  // gives 44, -1 gives 255). Throws ConvertError at the first value that is
  // not a decimal integer, a missing key reading as an empty value.
  std::vector<uint8_t> Bytes(int firstKey, int count) const;
  // Writes the bytes back as values of the rows with those keys.
  void SetBytes(int firstKey, const uint8_t* bytes, int count);

 private:
  // Row of the first occurrence of every key.
  QHash<QString, int> FirstRows() const;

  EepromGridModel* model_;
};
