#pragma once
// The detector's front panel, drawn, with the 45 LED selectors cbLed0..cbLed44
// sitting where its LEDs are: each channel's status LEDs and ten-step bar
// graph, and the common LEDs between the two channels.
#include <QWidget>
#include <array>

#include "LedFrame.h"

class LedIcons;
class LedSelector;

class LedPanel : public QWidget {
 public:
  // Every selector starts at item 0 (off) with the given icons.
  LedPanel(QWidget* parent, const LedIcons* icons);

  const std::array<LedSelector*, kLedCount>& Selectors() const { return selectors_; }
  // Where LED i sits on the panel.
  static QRect LedRect(int led);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::array<LedSelector*, kLedCount> selectors_{};
};
