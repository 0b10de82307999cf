#include "LogTable.h"

#include <gtest/gtest.h>

#include "QStringPrinter.h"

namespace {
constexpr int kStandAlone = 1, kLoopBased = 2;

TEST(LogTable, HeaderAndDashRows) {
  EXPECT_EQ(LogTableHeader(),
            "#   |Date             |Event                                        |Temp|Power |Power "
            "|Flow 1|Flow 2|Sensor 1            |Sensor 2            ");
  EXPECT_EQ(LogTableDashes(),
            "----|-----------------|---------------------------------------------|----|------|------"
            "|------|------|------------------- |------------------- ");
}

TEST(LogTable, EveryColumnCutOrFilled) {
  LogRecord e;
  e.EventCode = 115;  // "115: " and a 44-character text, cut at 45
  e.Day = 5;
  e.Month = 3;
  e.Year = 24;
  e.Hour = 7;
  e.Minute = 8;
  e.Second = 9;
  e.Temperature = kNotAvailable;
  e.Supply = {24000, kNotAvailable};
  e.Flow = {87, kNotAvailable};
  e.Sensor = {21, 1};
  EXPECT_EQ(LogTableRow(2243, e, kStandAlone),
            "2243|05/03/24 07:08:09|115: [A008] sensor 1 chamber is dirty (0.3%/f|unde|24000 "
            "|undefi|87    |undefi|error 4/6 [low chamb|normal              ");
}

TEST(LogTable, UndatedEntryWithUnassignedCode) {
  LogRecord e;
  e.EventCode = 54;
  e.Day = 0;
  e.Month = 12;  // not shown: no day, no date
  e.Temperature = 235;
  e.Supply = {10100, 35500};
  e.Flow = {255, 1};
  e.Sensor = {1, 0};
  EXPECT_EQ(LogTableRow(0, e, kLoopBased),
            "0   |undefined        |54 :                                         |23.5|10100 "
            "|35500 |255   |1     |active              |not active          ");
}
}  // namespace
