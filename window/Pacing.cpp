#include "Pacing.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cmath>

int Pacing::Interval(int ms) const {
  if (ms <= 0) return 0;
  return std::max(1, static_cast<int>(std::lround(ms * scale_)));
}

void Pacing::Sleep(int ms) const { QThread::msleep(static_cast<unsigned long>(Interval(ms))); }

void Pacing::PumpedWait(int ms) const {
  // A local loop sleeps until an event or the deadline arrives, instead of
  // spinning on processEvents.
  QEventLoop loop;
  QTimer::singleShot(Interval(ms), Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}
