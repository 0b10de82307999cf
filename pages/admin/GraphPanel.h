#pragma once
#include <QPoint>
#include <QSize>

class PaintBox;
class QAction;
class QFrame;
class QWidget;

// A paint box of the flow graph in its white panel, with the box's context
// menu item "Save graph as PNG..." (object name "mnuSaveGraph").
struct GraphPanel {
  QFrame* panel;
  PaintBox* box;
  QAction* saveAction;
};

// The panel's top-left corner is at `at`; the box fills it inside a one-pixel frame.
GraphPanel PlaceGraphPanel(QWidget* page, const char* panelName, const char* boxName, QPoint at,
                           QSize boxSize);
