#pragma once
#include <QSlider>

#include "Place.h"

// A horizontal track bar over 0..maximum with a tick at every step, as the
// pages use for fan speeds.
inline QSlider* PlaceTrackBar(QWidget* parent, const char* name, const QRect& geometry,
                              int maximum) {
  auto* bar = Place<QSlider>(parent, name, geometry);
  bar->setOrientation(Qt::Horizontal);
  bar->setRange(0, maximum);
  bar->setTickPosition(QSlider::TicksBelow);
  return bar;
}
