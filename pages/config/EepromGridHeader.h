#pragma once
#include <QHeaderView>

// The title row of an EEPROM grid: each title drawn by the page on a raised
// button-face panel, in the grid's font, left-aligned and black; nothing while
// the grid's Tag is 1.
class EepromGridHeader : public QHeaderView {
  Q_OBJECT
 public:
  explicit EepromGridHeader(QWidget* grid);

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

 private:
  QWidget* grid_;
};
