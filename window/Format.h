#pragma once
#include <QDateTime>
#include <QString>

// Value formatting shared by the console and every report.

// "N" for 0, "Y" for anything else.
QString FormatYesNo(int value);
// textIfEqual when value = match, else textIfDifferent; calls chain to pick
// among several matches.
QString FormatChoice(int value, int match, const QString& textIfDifferent,
                     const QString& textIfEqual);
// The detector's variant as the information report names it: 1 "stand alone",
// 2 "loop based", 4 "quib", anything else "zandt".
QString FormatVariant(int variant);
// Decimal with a leading "0" below 10.
QString FormatTwoDigits(int n);
// Decimal from 100 up, else "0" followed by FormatTwoDigits.
QString FormatThreeDigits(int n);
// Cut to width characters, or filled with blanks on the right up to width.
QString PadField(const QString& text, int width);
// "undefined" for the not-available value 99999, else decimal.
QString FormatUndefinedInt(int n);
// "undefined" for 99999, else n tenths in the shortest form with the locale's
// decimal separator: 250 gives "25", 255 gives "25.5".
QString FormatTenths(int n);

// One row of the event log table: the ten column texts, each cut or filled to
// its column's width, joined by "|".
QString FormatLogTableLine(const QString& number, const QString& date, const QString& event,
                           const QString& temperature, const QString& supply1,
                           const QString& supply2, const QString& flow1, const QString& flow2,
                           const QString& sensor1, const QString& sensor2);

// The time stamp of a report file name: the time as "yyyy/mm/dd hh:nn:ss"
// with "/", ".", "$" and ":" deleted and blanks made "_", e.g. "20261210_143000".
QString ReportFileStamp(const QDateTime& time = QDateTime::currentDateTime());
