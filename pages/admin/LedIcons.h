#pragma once
// An image list of the LED selectors: one icon per selector item (0 off,
// 1 green, 2 red, 3 yellow), all in one style, drawn when the list is made.
#include <QIcon>
#include <QObject>
#include <array>

#include "LedFrame.h"

class LedIcons : public QObject {
 public:
  LedIcons(LedStyle style, QObject* parent);

  LedStyle Style() const { return style_; }
  // An item outside the four shows as off.
  QIcon Icon(int item) const;

  static constexpr int kItems = 4;
  static constexpr int kSize = 16;  // pixels, square

 private:
  LedStyle style_;
  std::array<QIcon, kItems> icons_;
};
