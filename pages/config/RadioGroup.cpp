#include "RadioGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(QWidget* parent, const QString& caption, const QStringList& items,
                       int columns)
    : QGroupBox(caption, parent), items_(new QButtonGroup(this)) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(6, 2, 6, 2);
  grid->setSpacing(0);
  const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
  for (int i = 0; i < items.size(); ++i) {
    auto* item = new QRadioButton(items[i], this);
    items_->addButton(item, i);
    grid->addWidget(item, i % rows, i / rows);
  }
}

int RadioGroup::ItemIndex() const { return items_->checkedId(); }

void RadioGroup::SetItemIndex(int index) {
  // An exclusive group cannot be emptied; it may hold none while it is not.
  items_->setExclusive(false);
  for (QAbstractButton* item : items_->buttons()) item->setChecked(items_->id(item) == index);
  items_->setExclusive(true);
}

QString RadioGroup::ItemText(int index) const { return items_->button(index)->text(); }
