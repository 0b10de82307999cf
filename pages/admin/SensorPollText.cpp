#include "SensorPollText.h"

namespace {
constexpr unsigned kTimeout = 65500;
constexpr int kPulseWidths = 5;
}  // namespace

QString PulseWidthText(unsigned width) {
  if (width == kTimeout) return QStringLiteral("TIMEOUT");
  if (width > kTimeout) return QStringLiteral("SINK TOO LONG");
  return QString::number(width);
}

// Bytes 0 and 1 tell whether the remote outputs of sensors 1 and 2 work;
// the widths follow from byte 2, low byte first.
QStringList SensorPollLines(const uint8_t* answer, int sensor) {
  QStringList lines;
  for (int i = 0; i < kPulseWidths; ++i) {
    const unsigned width = answer[2 + 2 * i] | static_cast<unsigned>(answer[3 + 2 * i]) << 8;
    lines << QStringLiteral("PW%1: %2").arg(i + 1).arg(PulseWidthText(width));
  }
  lines << QString();
  lines << (answer[sensor - 1] != 0 ? QStringLiteral("remote is working")
                                    : QStringLiteral("remote is NOT working"));
  return lines;
}
