#pragma once
#include <QDateTime>
#include <QString>

// The process-wide short date and long time formats, in which every time
// stamp of the window writes the PC's date and time. They start as the
// desktop's short date and "hh:mm:ss"; the end-of-line test sets its own at
// the start of a run, and they stay so until the program ends.

// Patterns as QDate::toString and QTime::toString take them ("dd/MM/yy").
void SetShortDateFormat(const QString& pattern);
void SetLongTimeFormat(const QString& pattern);
QString ShortDateText(const QDate& date);
QString LongTimeText(const QTime& time);
// The short date, a blank and the long time.
QString TimeStampText(const QDateTime& time = QDateTime::currentDateTime());
