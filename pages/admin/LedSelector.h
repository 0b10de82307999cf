#pragma once
// One LED of the front panel: a drop-down list of four pictures without text
// (0 off, 1 green, 2 red, 3 yellow) shown in the style of its image list.
#include <QComboBox>
#include <QTimer>

#include "LedFrame.h"

class LedIcons;

class LedSelector : public QComboBox {
  Q_OBJECT
 public:
  LedSelector(QWidget* parent, const LedIcons* images);

  const LedIcons* Images() const { return images_; }
  void SetImages(const LedIcons* images);
  // The item and style that go into the LED frame.
  LedSetting Setting() const;

 signals:
  void DoubleClicked();

 protected:
  // The list opens once a click has proved not to be the first of a double
  // click; a double click toggles the style and leaves the list shut.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  const LedIcons* images_;
  QTimer openList_;
  bool doubleClicked_ = false;
};
