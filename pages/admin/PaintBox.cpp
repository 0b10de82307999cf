#include "PaintBox.h"

#include <QPainter>

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {}

void PaintBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  canvas_ = &painter;
  if (handler_) handler_(this);
  canvas_ = nullptr;
}
