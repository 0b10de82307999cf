#include "DetectorWindow.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QtTest>

#include "ConsoleMemo.h"

namespace {
std::unique_ptr<Dialogs> MakeScripted(ScriptedDialogs** keep) {
  auto dialogs = std::make_unique<ScriptedDialogs>();
  *keep = dialogs.get();
  return dialogs;
}
}  // namespace

DetectorWindow::DetectorWindow(sim::DetectorOptions options)
    : port_(options), form_(MakeScripted(&dialogs_)) {
  form_.pacing().SetScale(0.05);
}

bool DetectorWindow::Connect() {
  form_.Edit1->setText(QString::number(port_.number()));
  Click("Button1");
  return form_.Device != nullptr;
}

void DetectorWindow::Click(const char* name) {
  auto* button = form_.findChild<QAbstractButton*>(QString::fromLatin1(name));
  if (!button) qFatal("no button %s", name);
  button->click();
}

QStringList DetectorWindow::Console() { return form_.memLog->Lines(); }

QStringList DetectorWindow::State() { return form_.memState->Lines(); }

QStringList DetectorWindow::NewConsoleLines() {
  const QStringList lines = Console();
  const QStringList fresh = lines.mid(seen_);
  seen_ = static_cast<int>(lines.size());
  return fresh;
}

QString DetectorWindow::StatusText() { return form_.StatusBar1->findChild<QLabel*>()->text(); }

QColor DetectorWindow::StatusColour() {
  return form_.StatusBar1->palette().color(QPalette::Window);
}
