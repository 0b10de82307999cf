#include "Format.h"

#include <gtest/gtest.h>

#include <QLocale>

#include "QStringPrinter.h"

namespace {

TEST(FormatTenths, ShortestDecimalOfTenths) {
  const std::pair<int, const char*> cases[] = {
      {99999, "undefined"}, {250, "25"},     {255, "25.5"},      {0, "0"},
      {1, "0.1"},           {-495, "-49.5"}, {-1, "-0.1"},
      // no thousands separator, no exponent
      {123456, "12345.6"},  {100000, "10000"}, {99998, "9999.8"},
  };
  for (const auto& [value, text] : cases) {
    SCOPED_TRACE(value);
    EXPECT_EQ(FormatTenths(value), QString::fromLatin1(text));
  }
}

TEST(FormatTenths, UsesTheLocaleDecimalSeparator) {
  const QLocale previous;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(FormatTenths(255), "25,5");
  EXPECT_EQ(FormatTenths(123456), "12345,6");
  EXPECT_EQ(FormatTenths(99999), "undefined");
  QLocale::setDefault(previous);
}

TEST(ReportFileStamp, DateAndTimeWithoutSeparators) {
  const QDateTime time(QDate(2026, 1, 9), QTime(7, 5, 3));
  EXPECT_EQ(ReportFileStamp(time), QStringLiteral("20260109_070503"));
}

TEST(PadField, CutsOrFillsToTheWidth) {
  EXPECT_EQ(PadField("abcdef", 4), "abcd");
  EXPECT_EQ(PadField("abcd", 4), "abcd");
  EXPECT_EQ(PadField("ab", 4), "ab  ");
  EXPECT_EQ(PadField("", 3), "   ");
  EXPECT_EQ(PadField("undefined", 6), "undefi");
  EXPECT_EQ(PadField("x", 0), "");
}

TEST(FormatDigits, LeadingZeros) {
  EXPECT_EQ(FormatTwoDigits(0), "00");
  EXPECT_EQ(FormatTwoDigits(9), "09");
  EXPECT_EQ(FormatTwoDigits(10), "10");
  EXPECT_EQ(FormatTwoDigits(123), "123");
  EXPECT_EQ(FormatThreeDigits(0), "000");
  EXPECT_EQ(FormatThreeDigits(7), "007");
  EXPECT_EQ(FormatThreeDigits(10), "010");
  EXPECT_EQ(FormatThreeDigits(99), "099");
  EXPECT_EQ(FormatThreeDigits(100), "100");
  EXPECT_EQ(FormatThreeDigits(255), "255");
}

TEST(FormatValues, YesNoUndefinedAndChoice) {
  EXPECT_EQ(FormatYesNo(0), "N");
  EXPECT_EQ(FormatYesNo(1), "Y");
  EXPECT_EQ(FormatYesNo(-1), "Y");
  EXPECT_EQ(FormatUndefinedInt(99999), "undefined");
  EXPECT_EQ(FormatUndefinedInt(24000), "24000");
  EXPECT_EQ(FormatUndefinedInt(-1), "-1");
  // Chained as the reports do: the innermost match is the fallback.
  const auto level = [](int v) {
    return FormatChoice(v, 1, FormatChoice(v, 2, "other", "two"), "one");
  };
  EXPECT_EQ(level(1), "one");
  EXPECT_EQ(level(2), "two");
  EXPECT_EQ(level(3), "other");
}

TEST(FormatLogTableLine, TenColumnsOfFixedWidth) {
  const QString longText(60, QLatin1Char('x'));
  const QString line = FormatLogTableLine(longText, longText, longText, longText, longText,
                                          longText, longText, longText, longText, longText);
  EXPECT_EQ(line.size(), 143);
  QList<int> bars;
  for (int i = 0; i < line.size(); ++i)
    if (line[i] == QLatin1Char('|')) bars << i;
  EXPECT_EQ(bars, (QList<int>{4, 22, 68, 73, 80, 87, 94, 101, 122}));

  EXPECT_EQ(FormatLogTableLine("1", "", "", "", "", "", "", "", "", "s").size(), 143);
}

}  // namespace
