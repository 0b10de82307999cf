// The meanings the EEPROM page shows beside the bytes.
#include <gtest/gtest.h>

#include <set>

#include "EepromLayout.h"

namespace {

TEST(Layout, NamedBytes) {
  EXPECT_EQ(layout::ImageByteMeaning(293), "trend-log interval, minutes");
  EXPECT_EQ(layout::ImageByteMeaning(48), "[LOB] checksum");
  EXPECT_EQ(layout::ImageByteMeaning(495), "[CFG] checksum");
  EXPECT_EQ(layout::ImageByteMeaning(276), "user password, digit 1");
  EXPECT_EQ(layout::ImageByteMeaning(311), "holiday 2: day (0: empty slot)");
  EXPECT_EQ(layout::ImageByteMeaning(348), "holiday 20: month (0: empty slot)");
  EXPECT_EQ(layout::ImageByteMeaning(403), "channel 2 label, character 16");
  EXPECT_EQ(layout::OnfByteMeaning(63), "[ONF] checksum");
  for (int outside : {-1, 512}) EXPECT_EQ(layout::ImageByteMeaning(outside), "");
  EXPECT_EQ(layout::OnfByteMeaning(64), "");
}

// Every configuration byte has a meaning, except those the tool moves unchanged.
TEST(Layout, ConfigurationAreaIsCoveredExactly) {
  std::set<int> uninterpreted = {296, 368, 369, 371, 405, 407, 409, 411, 413, 415,
                                 424, 425, 429, 434, 438, 441, 456, 463};
  for (int a = 443; a <= 453; ++a) uninterpreted.insert(a);
  for (int a = 476; a <= 483; ++a) uninterpreted.insert(a);
  for (int a = 486; a <= 494; ++a) uninterpreted.insert(a);
  for (int a = 276; a <= 495; ++a)
    EXPECT_EQ(layout::ImageByteMeaning(a).empty(), uninterpreted.count(a) == 1) << "byte " << a;
}

}  // namespace
