#pragma once
#include <QAbstractTableModel>

#include "GridRow.h"

// The rows of an EEPROM grid: key column 0, value column 1. Only values can be
// edited; rows change only when the page replaces them.
class EepromGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

  const GridRows& Rows() const { return rows_; }
  // Replaces every row in one model reset.
  void SetRows(GridRows rows);
  // Changes the values of the given rows, with one change notice for them all.
  void SetValues(const QVector<QPair<int, QString>>& values);
  void AppendRow(const GridRow& row);

 private:
  GridRows rows_;
};
