#pragma once
#include <QWidget>
#include <functional>

class QPainter;

// A control with no look of its own: its owner draws it in a paint handler,
// on the canvas it holds while a paint event is under way. It paints into
// the widget's own paint event, so the drawing reaches the screen through the
// window's back buffer in one piece.
class PaintBox : public QWidget {
 public:
  explicit PaintBox(QWidget* parent = nullptr);

  void SetPaintHandler(std::function<void(PaintBox*)> handler) { handler_ = std::move(handler); }
  // The painter of the paint event under way; nullptr outside one.
  QPainter* Canvas() const { return canvas_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<void(PaintBox*)> handler_;
  QPainter* canvas_ = nullptr;
};
