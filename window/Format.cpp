#include "Format.h"

#include <QLocale>
#include <QStringList>
#include <array>

#include "Records.h"

namespace {
constexpr std::array<int, 10> kLogColumnWidths = {4, 17, 45, 4, 6, 6, 6, 6, 20, 20};
}

QString FormatYesNo(int value) { return value == 0 ? QStringLiteral("N") : QStringLiteral("Y"); }

QString FormatChoice(int value, int match, const QString& textIfDifferent,
                     const QString& textIfEqual) {
  return value == match ? textIfEqual : textIfDifferent;
}

QString FormatVariant(int variant) {
  QString text = FormatChoice(variant, 4, QStringLiteral("zandt"), QStringLiteral("quib"));
  text = FormatChoice(variant, 2, text, QStringLiteral("loop based"));
  return FormatChoice(variant, 1, text, QStringLiteral("stand alone"));
}

QString FormatTwoDigits(int n) {
  return n < 10 ? QLatin1Char('0') + QString::number(n) : QString::number(n);
}

QString FormatThreeDigits(int n) {
  return n >= 100 ? QString::number(n) : QLatin1Char('0') + FormatTwoDigits(n);
}

QString PadField(const QString& text, int width) {
  return text.left(width).leftJustified(width, QLatin1Char(' '));
}

QString FormatUndefinedInt(int n) {
  return n == kNotAvailable ? QStringLiteral("undefined") : QString::number(n);
}

QString FormatTenths(int n) {
  if (n == kNotAvailable) return QStringLiteral("undefined");
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  // Divided rather than multiplied by 0.1, so 255 is exactly 25.5 and not 25.500000000000004.
  return locale.toString(n / 10.0, 'f', QLocale::FloatingPointShortest);
}

QString FormatLogTableLine(const QString& number, const QString& date, const QString& event,
                           const QString& temperature, const QString& supply1,
                           const QString& supply2, const QString& flow1, const QString& flow2,
                           const QString& sensor1, const QString& sensor2) {
  const std::array<const QString*, 10> texts = {&number, &date,    &event, &temperature,
                                                &supply1, &supply2, &flow1, &flow2,
                                                &sensor1, &sensor2};
  QStringList fields;
  for (size_t i = 0; i < texts.size(); ++i) fields << PadField(*texts[i], kLogColumnWidths[i]);
  return fields.join(QLatin1Char('|'));
}

QString ReportFileStamp(const QDateTime& time) {
  QString stamp = time.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
  for (const QChar gone : {QLatin1Char('/'), QLatin1Char('.'), QLatin1Char('$'), QLatin1Char(':')})
    stamp.remove(gone);
  return stamp.replace(QLatin1Char(' '), QLatin1Char('_'));
}
