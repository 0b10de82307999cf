#include "EepromCellText.h"

#include <gtest/gtest.h>

#include "QStringPrinter.h"
#include "EepromLayout.h"

namespace {

TEST(ValueCellText, DecimalHexadecimalAndBits) {
  const std::pair<const char*, const char*> cases[] = {
      {"5", "5  | 05|    00000101"},
      {"200", "200| C8|    11001000"},
      {"0", "0  | 00|    00000000"},
      {"255", "255| FF|    11111111"},
      // the byte a write would send: the low 8 bits
      {"300", "300| 2C|    00101100"},
      {"-1", "-1 | FF|    11111111"},
      // what the operator typed stays as typed
      {"1000", "1000| E8|    11101000"},
  };
  for (const auto& [value, text] : cases) {
    SCOPED_TRACE(value);
    EXPECT_EQ(ValueCellText(QString::fromLatin1(value)), QString::fromLatin1(text));
  }
}

TEST(ValueCellText, TextThatIsNoIntegerIsDrawnAlone) {
  for (const char* value : {"abc", "", "1.5", "0x10"}) {
    SCOPED_TRACE(value);
    EXPECT_EQ(ValueCellText(QString::fromLatin1(value)), QString::fromLatin1(value));
  }
}

TEST(KeyCellText, ByteNumberFilledToThreeThenDescription) {
  EXPECT_EQ(ImageKeyCellText("293"), "293|trend-log interval, minutes");
  EXPECT_EQ(ImageKeyCellText("48"), "48 |[LOB] checksum");
  // bytes the tool does not interpret, and keys an import may bring
  EXPECT_EQ(ImageKeyCellText("100"), "100|");
  EXPECT_EQ(ImageKeyCellText("512"), "512|");
  EXPECT_EQ(ImageKeyCellText("abc"), "abc|");
  EXPECT_EQ(ImageKeyCellText(""), "   |");
  EXPECT_EQ(OnfKeyCellText("1087"),
            "1087|" + QString::fromStdString(layout::OnfByteMeaning(layout::kOnfChecksum)));
  EXPECT_EQ(OnfKeyCellText("1023"), "1023|");
}

TEST(TitleTexts, AsDrawn) {
  EXPECT_EQ(KeyTitleText(), "Description                                       |#Byte");
  EXPECT_EQ(KeyTitleText().indexOf('|'), 50);
  EXPECT_EQ(ValueTitleText(), "DEC|HEX|BIN 76543210");
}

}  // namespace
