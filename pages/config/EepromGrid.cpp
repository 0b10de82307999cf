#include "EepromGrid.h"

#include <QFontDatabase>
#include <QHeaderView>

#include "Convert.h"
#include "EepromCellText.h"
#include "EepromGridHeader.h"
#include "EepromLayout.h"
#include "MemoryMap.h"
#include "EepromGridModel.h"
#include "Tag.h"

namespace {
constexpr int kPointSize = 8;
constexpr int kRowPadding = 4;
constexpr int kColumnPadding = 6;  // the text margins and the grid line

QString AsItIs(const QString& value) { return value; }

// How each kind of grid draws its cells, and its column widths in characters.
struct Look {
  EepromGridDelegate::CellText keyText;
  EepromGridDelegate::CellText valueText;
  QSet<int> checksumBytes;
  bool drawnTitles;
  int keyCharacters;
  int valueCharacters;
};

Look LookOf(EepromGrid::Kind kind) {
  if (kind == EepromGrid::Kind::Image)
    // "Description" filled to 50 and "|#Byte"; "DEC|HEX|BIN 76543210"
    return {ImageKeyCellText, ValueCellText,
            {layout::kLoopChecksum, layout::kFactoryChecksum, layout::kConfigChecksum},
            true, 56, 20};
  return {OnfKeyCellText, AsItIs, {memory::kLogHeaderAddress + layout::kOnfChecksum}, false, 16, 4};
}
}  // namespace

EepromGrid::EepromGrid(QWidget* parent, Kind kind)
    : QTableView(parent), model_(new EepromGridModel(this)) {
  const Look look = LookOf(kind);
  QFont courier = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  courier.setPointSize(kPointSize);
  setFont(courier);
  setModel(model_);
  setItemDelegate(new EepromGridDelegate(this, look.keyText, look.valueText, look.checksumBytes));
  if (look.drawnTitles) setHorizontalHeader(new EepromGridHeader(this));
  setWordWrap(false);
  setShowGrid(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  verticalHeader()->hide();
  // A fixed row height: measuring rows by their contents costs a hundred times more.
  const int rowHeight = fontMetrics().height() + kRowPadding;
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(rowHeight);
  horizontalHeader()->setFixedHeight(rowHeight);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  const int character = fontMetrics().horizontalAdvance(QLatin1Char('0'));
  horizontalHeader()->resizeSection(0, character * look.keyCharacters + kColumnPadding);
  horizontalHeader()->resizeSection(1, character * look.valueCharacters + kColumnPadding);
  horizontalHeader()->setStretchLastSection(true);
  SetTag(this, 0);
}

const GridRows& EepromGrid::Rows() const { return model_->Rows(); }

void EepromGrid::SetRows(GridRows rows) {
  SetTag(this, 1);
  model_->SetRows(std::move(rows));
  SetTag(this, 0);
  viewport()->update();
}

void EepromGrid::Fill(int firstKey, const uint8_t* bytes, int count) {
  GridRows rows;
  rows.reserve(count);
  for (int i = 0; i < count; ++i)
    rows.append({QString::number(firstKey + i), QString::number(bytes[i])});
  SetRows(std::move(rows));
}

QHash<QString, int> EepromGrid::FirstRows() const {
  QHash<QString, int> first;
  const GridRows& rows = Rows();
  for (int i = 0; i < rows.size(); ++i)
    if (!first.contains(rows[i].key)) first.insert(rows[i].key, i);
  return first;
}

QString EepromGrid::Value(const QString& key) const {
  for (const GridRow& row : Rows())
    if (row.key == key) return row.value;
  return {};
}

void EepromGrid::SetValue(const QString& key, const QString& value) {
  const GridRows& rows = Rows();
  for (int i = 0; i < rows.size(); ++i) {
    if (rows[i].key == key) {
      model_->SetValues({{i, value}});
      return;
    }
  }
  model_->AppendRow({key, value});
}

std::vector<uint8_t> EepromGrid::Bytes(int firstKey, int count) const {
  const QHash<QString, int> first = FirstRows();
  std::vector<uint8_t> bytes(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const int row = first.value(QString::number(firstKey + i), -1);
    const QString value = row < 0 ? QString() : Rows()[row].value;
    bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(StrToInt(value) & 0xFF);
  }
  return bytes;
}

void EepromGrid::SetBytes(int firstKey, const uint8_t* bytes, int count) {
  const QHash<QString, int> first = FirstRows();
  QVector<QPair<int, QString>> values;
  for (int i = 0; i < count; ++i) {
    const int row = first.value(QString::number(firstKey + i), -1);
    if (row >= 0) values.append({row, QString::number(bytes[i])});
  }
  model_->SetValues(values);
}
