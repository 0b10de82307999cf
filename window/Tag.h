#pragma once
#include <QObject>
#include <QVariant>

// The integer every control carries for its handlers (relay number, abort
// request, ...). 0 until set.
inline int Tag(const QObject* control) { return control->property("Tag").toInt(); }
inline void SetTag(QObject* control, int value) { control->setProperty("Tag", value); }
