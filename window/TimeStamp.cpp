#include "TimeStamp.h"

#include <QLocale>

namespace {
// Only the window's thread formats time stamps.
QString& ShortDateFormat() {
  static QString format = QLocale().dateFormat(QLocale::ShortFormat);
  return format;
}

QString& LongTimeFormat() {
  static QString format = QStringLiteral("hh:mm:ss");
  return format;
}
}  // namespace

void SetShortDateFormat(const QString& pattern) { ShortDateFormat() = pattern; }

void SetLongTimeFormat(const QString& pattern) { LongTimeFormat() = pattern; }

QString ShortDateText(const QDate& date) { return date.toString(ShortDateFormat()); }

QString LongTimeText(const QTime& time) { return time.toString(LongTimeFormat()); }

QString TimeStampText(const QDateTime& time) {
  return ShortDateText(time.date()) + QLatin1Char(' ') + LongTimeText(time.time());
}
