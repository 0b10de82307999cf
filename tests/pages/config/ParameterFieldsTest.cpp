#include "ParameterFields.h"

#include <gtest/gtest.h>

#include "Errors.h"
#include "QStringPrinter.h"

using Values = std::vector<int32_t>;

TEST(FieldAt, ReadsTheCharactersAtTheirPositions) {
  const QString stamp = QStringLiteral("007|15/03/23 10:30:00");
  EXPECT_EQ(FieldAt(stamp, 1, 3), 7);
  EXPECT_EQ(FieldAt(stamp, 5, 2), 15);
  EXPECT_EQ(FieldAt(stamp, 20, 2), 0);
  EXPECT_EQ(FieldAt(QStringLiteral("2468"), 3, 1), 6);
  EXPECT_EQ(FieldAt(QStringLiteral(" 7/12"), 1, 2), 7);  // blanks around a number are allowed
}

TEST(FieldAt, AMissingOrShortOrNonNumericFieldThrows) {
  struct Case {
    const char* text;
    int position, length;
  };
  const Case cases[] = {
      {"", 1, 2},                        // empty box
      {"12", 3, 1},                      // a two-digit password has no third digit
      {"007|15/03/23 10:30:0", 20, 2},   // a field cut short by the end of the text
      {"ab/12", 1, 2},                   // letters
      {"  /12", 1, 2},                   // blanks only
      {"1./12", 1, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_THROW(FieldAt(QString::fromLatin1(c.text), c.position, c.length), ConvertError);
  }
}

TEST(TwoDigitFields, FieldsAfterOneSeparatorEach) {
  EXPECT_EQ(TwoDigitFields(QStringLiteral("25/12"), 2), (Values{25, 12}));
  EXPECT_EQ(TwoDigitFields(QStringLiteral("31/03 02:00"), 4), (Values{31, 3, 2, 0}));
  EXPECT_EQ(TwoDigitFields(QStringLiteral("007|15/03/23 10:30:00"), 6, 5),
            (Values{15, 3, 23, 10, 30, 0}));
  // Whatever stands between the fields is not looked at.
  EXPECT_EQ(TwoDigitFields(QStringLiteral("07x59"), 2), (Values{7, 59}));
  EXPECT_THROW(TwoDigitFields(QStringLiteral("25/1"), 2), ConvertError);
}

TEST(JoinTwoDigits, LeadingZerosBelowTen) {
  EXPECT_EQ(JoinTwoDigits({1, 6, 25}, QStringLiteral("//")), QStringLiteral("01/06/25"));
  EXPECT_EQ(JoinTwoDigits({31, 3, 2, 0}, QStringLiteral("/ :")), QStringLiteral("31/03 02:00"));
  EXPECT_EQ(JoinTwoDigits({0, 0}, QStringLiteral("/")), QStringLiteral("00/00"));
  EXPECT_EQ(JoinTwoDigits({120}, QString()), QStringLiteral("120"));
}

TEST(TwoDigitFields, ReadsBackWhatJoinWrote) {
  const Values values{9, 59, 23, 1, 0, 10};
  EXPECT_EQ(TwoDigitFields(JoinTwoDigits(values, QStringLiteral("// ::")), 6), values);
}

TEST(LabelCodes, BlankFilledAndCutToSixteen) {
  const auto codes = LabelCodes(QStringLiteral("AB"));
  EXPECT_EQ(codes[0], 'A');
  EXPECT_EQ(codes[1], 'B');
  for (size_t i = 2; i < codes.size(); ++i) EXPECT_EQ(codes[i], ' ') << i;
  EXPECT_EQ(LabelCodes(QStringLiteral("0123456789ABCDEFGHIJ"))[15], 'F');
  // A character the label cannot hold keeps its code, so that the accessor refuses it.
  EXPECT_EQ(LabelCodes(QStringLiteral("\u00e9"))[0], 0xE9);
  EXPECT_EQ(LabelCodes(QStringLiteral("\u20ac"))[0], 0x20AC);
}

TEST(LabelText, SixteenCharactersWithTheirTrailingBlanks) {
  const auto codes = LabelCodes(QStringLiteral("ZONE A"));
  EXPECT_EQ(LabelText(codes.data()), QStringLiteral("ZONE A          "));
}

TEST(Pressure, FourBytesLeastSignificantFirst) {
  using Bytes = std::array<int32_t, 4>;
  EXPECT_EQ(PressureBytes(101325), (Bytes{205, 139, 1, 0}));
  EXPECT_EQ(PressureValue({205, 139, 1, 0}), 101325u);
  EXPECT_EQ(PressureValue({150, 12, 1, 0}), 68758u);
  // A negative text gives bytes the accessor refuses, not a wrapped small value.
  EXPECT_EQ(PressureBytes(-1), (Bytes{255, 255, 255, 255}));
  EXPECT_EQ(PressureValue({0, 0, 0, 200}), 3355443200u);  // never shown negative
}

TEST(CheckCoding, ValuesOfEachCoding) {
  struct Case {
    CheckCoding coding;
    int32_t ticked, unticked;
    std::vector<std::pair<int32_t, bool>> reads;  // stored value, reads as ticked
  };
  const Case cases[] = {
      {CheckCoding::TickedIsOne, 1, 0, {{0, false}, {1, true}, {2, true}}},
      {CheckCoding::TickedIsZero, 0, 1, {{0, true}, {1, false}, {2, false}}},
      {CheckCoding::TickedIsTwo, 2, 1, {{0, true}, {1, false}, {2, true}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.coding));
    EXPECT_EQ(CheckValue(c.coding, true), c.ticked);
    EXPECT_EQ(CheckValue(c.coding, false), c.unticked);
    for (const auto& [value, ticked] : c.reads) EXPECT_EQ(IsTicked(c.coding, value), ticked) << value;
  }
}
