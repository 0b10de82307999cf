// The order in which the machine's serial devices get their COM numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "serial/PortDirectory.h"

namespace {

struct OrderCase {
  const char* smaller;
  const char* larger;
};

TEST(PortOrder, ComparesDigitRunsAsNumbersOfAnyLength) {
  const OrderCase cases[] = {
      {"ttyUSB2", "ttyUSB10"},
      {"ttyUSB9", "ttyUSB10"},
      {"ttyACM0", "ttyUSB0"},
      {"ttyS1", "ttyS1a"},
      {"ttyUSB007", "ttyUSB8"},
      // Numbers far beyond any integer type.
      {"ttyUSB99999999999999999999999999", "ttyUSB100000000000000000000000000"},
      {"ttyUSB5", "ttyUSB000000000000000000000000000006"},
      {"ttyUSB123456789012345678901234567890", "ttyUSB123456789012345678901234567891"},
  };
  for (const OrderCase& c : cases) {
    EXPECT_TRUE(serial::NaturalLess(c.smaller, c.larger)) << c.smaller << " < " << c.larger;
    EXPECT_FALSE(serial::NaturalLess(c.larger, c.smaller)) << c.larger << " < " << c.smaller;
  }
}

TEST(PortOrder, SortsNamesWithHugeNumbersWithoutThrowing) {
  std::vector<std::string> names = {"ttyUSB10", "ttyUSB123456789012345678901234567890",
                                    "ttyUSB2", "ttyUSB0"};
  EXPECT_NO_THROW(std::sort(names.begin(), names.end(), serial::NaturalLess));
  EXPECT_EQ(names, (std::vector<std::string>{"ttyUSB0", "ttyUSB2", "ttyUSB10",
                                             "ttyUSB123456789012345678901234567890"}));
}

}  // namespace
