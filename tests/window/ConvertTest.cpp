#include "Convert.h"

#include <gtest/gtest.h>

#include "Errors.h"

TEST(StrToInt, DecimalIntegers) {
  EXPECT_EQ(StrToInt("12"), 12);
  EXPECT_EQ(StrToInt(" 7 "), 7);
  EXPECT_EQ(StrToInt("-5"), -5);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
}

TEST(StrToInt, AnythingElseThrowsWithTheToolkitText) {
  for (const char* text : {"", "abc", "12a", "1.5", "2147483648", "0x10"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(TryStrToInt(text).has_value());
    try {
      StrToInt(text);
      ADD_FAILURE() << "no error";
    } catch (const ConvertError& error) {
      EXPECT_EQ(std::string(error.what()), std::string("'") + text + "' is not a valid integer value");
    }
  }
}
