#pragma once
#include <QRect>
#include <QWidget>

// Creates a control at a fixed position on its parent, named as the window
// description names it, the way the form's pages are laid out.
template <class Control>
Control* Place(QWidget* parent, const char* name, const QRect& geometry) {
  auto* control = new Control(parent);
  control->setObjectName(QString::fromLatin1(name));
  control->setGeometry(geometry);
  return control;
}

// The same with a caption (buttons, labels, check boxes, group boxes).
template <class Control>
Control* Place(QWidget* parent, const char* name, const QRect& geometry, const char* caption) {
  auto* control = Place<Control>(parent, name, geometry);
  control->setText(QString::fromLatin1(caption));
  return control;
}
