#pragma once
// Small layout helpers of the two parameter pages: titled boxes, captions
// beside edit boxes, the format hints of the fixed-position texts, radio groups.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "Place.h"
#include "RadioGroup.h"

// A framed group of controls with its title.
inline QGroupBox* Box(QWidget* parent, const char* name, const QRect& geometry, const char* title) {
  auto* box = Place<QGroupBox>(parent, name, geometry);
  box->setTitle(QString::fromLatin1(title));
  return box;
}

// A caption from x on and its edit box at editX, on one row of a box.
inline QLineEdit* LabelledEdit(QWidget* box, const char* name, const char* caption, int x, int y,
                               int editX, int editWidth) {
  Place<QLabel>(box, "", QRect(x, y + 3, editX - x - 4, 17), caption);
  return Place<QLineEdit>(box, name, QRect(editX, y, editWidth, 22));
}

// The text format an edit box expects, shown as its tooltip and while it is empty.
inline QLineEdit* WithHint(QLineEdit* edit, const char* hint) {
  edit->setToolTip(QString::fromLatin1(hint));
  edit->setPlaceholderText(QString::fromLatin1(hint));
  return edit;
}

// A radio group at a fixed position, named like every other control.
inline RadioGroup* PlaceRadioGroup(QWidget* parent, const char* name, const QRect& geometry,
                                   const char* caption, const QStringList& items,
                                   int columns = 1) {
  auto* group = new RadioGroup(parent, QString::fromLatin1(caption), items, columns);
  group->setObjectName(QString::fromLatin1(name));
  group->setGeometry(geometry);
  return group;
}
