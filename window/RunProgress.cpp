#include "RunProgress.h"

#include <QStatusBar>
#include <algorithm>

namespace {
constexpr int kWidth = 220;
}

RunProgress::RunProgress(QStatusBar* bar) : QProgressBar(bar) {
  setObjectName(QStringLiteral("RunProgress"));
  setFixedWidth(kWidth);
  setTextVisible(true);
  bar->addPermanentWidget(this);
  hide();
}

void RunProgress::Begin(int total) {
  setRange(0, std::max(1, total));
  setValue(0);
  setFormat(QStringLiteral("%p%"));
  show();
}

void RunProgress::Enter(const QString& section, int done) {
  setValue(std::clamp(done, minimum(), maximum()));
  setFormat(section + QStringLiteral("  %p%"));
}

void RunProgress::Finish() { hide(); }
