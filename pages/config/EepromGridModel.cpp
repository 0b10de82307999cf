#include "EepromGridModel.h"

#include <algorithm>

namespace {
constexpr int kKeyColumn = 0;
constexpr int kValueColumn = 1;
}  // namespace

int EepromGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int EepromGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant EepromGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  const GridRow& row = rows_.at(index.row());
  return index.column() == kKeyColumn ? row.key : row.value;
}

bool EepromGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || index.column() != kValueColumn || role != Qt::EditRole) return false;
  rows_[index.row()].value = value.toString();
  emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
  return true;
}

Qt::ItemFlags EepromGridModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (index.column() == kValueColumn) flags |= Qt::ItemIsEditable;
  return flags;
}

// The grid's captions; the header draws its own title texts over them.
QVariant EepromGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return section == kKeyColumn ? QStringLiteral("#Byte") : QStringLiteral("Value");
}

void EepromGridModel::SetRows(GridRows rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

void EepromGridModel::SetValues(const QVector<QPair<int, QString>>& values) {
  if (values.isEmpty()) return;
  int first = rowCount(), last = -1;
  for (const auto& [row, value] : values) {
    rows_[row].value = value;
    first = std::min(first, row);
    last = std::max(last, row);
  }
  emit dataChanged(index(first, kValueColumn), index(last, kValueColumn),
                   {Qt::DisplayRole, Qt::EditRole});
}

void EepromGridModel::AppendRow(const GridRow& row) {
  const int at = rowCount();
  beginInsertRows({}, at, at);
  rows_.append(row);
  endInsertRows();
}
