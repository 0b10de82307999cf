#include "LedSelector.h"

#include <QApplication>
#include <QMouseEvent>

#include "LedIcons.h"

LedSelector::LedSelector(QWidget* parent, const LedIcons* images)
    : QComboBox(parent), images_(images) {
  setIconSize(QSize(LedIcons::kSize, LedIcons::kSize));
  for (int i = 0; i < LedIcons::kItems; ++i) addItem(images->Icon(i), QString());
  setCurrentIndex(0);
  openList_.setSingleShot(true);
  connect(&openList_, &QTimer::timeout, this, &QComboBox::showPopup);
}

void LedSelector::SetImages(const LedIcons* images) {
  images_ = images;
  for (int i = 0; i < count(); ++i) setItemIcon(i, images->Icon(i));
}

LedSetting LedSelector::Setting() const { return {currentIndex(), images_->Style()}; }

void LedSelector::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QComboBox::mousePressEvent(event);
  doubleClicked_ = false;  // a new click; only the release ending a double click is skipped
  setFocus(Qt::MouseFocusReason);
  event->accept();
}

void LedSelector::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QComboBox::mouseReleaseEvent(event);
  event->accept();
  if (doubleClicked_) {
    doubleClicked_ = false;
    return;
  }
  if (rect().contains(event->position().toPoint()))
    openList_.start(QApplication::doubleClickInterval());
}

void LedSelector::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QComboBox::mouseDoubleClickEvent(event);
  event->accept();
  openList_.stop();
  doubleClicked_ = true;
  emit DoubleClicked();
}
