#pragma once
#include <QObject>
#include <QVariant>

// Every control carries one integer, its Tag (0 unless set), which handlers
// read to learn what to do: a relay number, a transfer direction, a flag.
inline int Tag(const QObject* control) {
  return control ? control->property("Tag").toInt() : 0;
}

inline void SetTag(QObject* control, int value) { control->setProperty("Tag", value); }
