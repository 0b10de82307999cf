#pragma once
// A radio group: a framed box of mutually exclusive items, of which the page
// reads and sets the chosen one by its index.
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  // The items are laid out top to bottom, filling `columns` columns.
  RadioGroup(QWidget* parent, const QString& caption, const QStringList& items, int columns = 1);

  // The index of the chosen item, -1 when none is chosen.
  int ItemIndex() const;
  // An index outside the items chooses none.
  void SetItemIndex(int index);
  // The caption of the item at index.
  QString ItemText(int index) const;

 private:
  QButtonGroup* items_;
};
