#pragma once
#include <QSet>
#include <QStyledItemDelegate>

// Draws every data cell of an EEPROM grid: the cell filled yellow on the rows
// of checksum bytes and white elsewhere, then its text left-aligned on one
// line in black. Nothing is drawn while the grid's Tag is 1 (being refilled).
class EepromGridDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  // The text drawn for a key or a value.
  using CellText = QString (*)(const QString& text);
  EepromGridDelegate(QWidget* grid, CellText keyText, CellText valueText, QSet<int> checksumBytes);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  QWidget* grid_;
  CellText keyText_;
  CellText valueText_;
  QSet<int> checksumBytes_;
};
