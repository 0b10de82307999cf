#include "GraphPanel.h"

#include <QAction>
#include <QFrame>

#include "PaintBox.h"
#include "Place.h"

namespace {
constexpr int kFrame = 1;

void PaintWhite(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, Qt::white);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}
}  // namespace

GraphPanel PlaceGraphPanel(QWidget* page, const char* panelName, const char* boxName, QPoint at,
                           QSize boxSize) {
  auto* panel = Place<QFrame>(
      page, panelName, QRect(at, boxSize + QSize(2 * kFrame, 2 * kFrame)));
  panel->setFrameStyle(QFrame::Box | QFrame::Plain);
  panel->setLineWidth(kFrame);
  PaintWhite(panel);
  auto* box = Place<PaintBox>(panel, boxName, QRect(QPoint(kFrame, kFrame), boxSize));
  // White of its own too, so that an image of the box alone shows what the screen does.
  PaintWhite(box);
  auto* save = new QAction(QStringLiteral("Save graph as PNG..."), box);
  save->setObjectName(QStringLiteral("mnuSaveGraph"));
  box->addAction(save);
  box->setContextMenuPolicy(Qt::ActionsContextMenu);
  return {panel, box, save};
}
