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

void Pacing::Sleep(int ms) const {
  Tell(Wait::Sleep, ms);
  if (ms > 0) QThread::usleep(static_cast<unsigned long>(std::lround(ms * scale_ * 1000)));
}

void Pacing::PumpedWait(int ms) const {
  Tell(Wait::Pumped, ms);
  // A local loop sleeps until an event or the deadline arrives, instead of
  // spinning on processEvents.
  QEventLoop loop;
  QTimer::singleShot(Interval(ms), Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}
