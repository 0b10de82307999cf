#include "EventTexts.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "FaultNames.h"
#include "QStringPrinter.h"

namespace {

// Every assigned code with its text; each restoration (152..187) is checked
// against the rule instead.
const std::map<int, const char*> kAssigned = {
    {0, "void event"},
    {1, "device cannot read its EEPROM during initialization"},
    {2, "invalid EEPROM (checksum failed for area [FCT])"},
    {3, "invalid EEPROM (checksum failed for area [CFG])"},
    {4, "invalid EEPROM (checksum failed for area [LOB])"},
    {5, "void event"},
    {6, "void event"},
    {7, "Device initialization"},
    {8, "void event"},
    {9, "invalid EEPROM (checksum failed for area [ONF])"},
    {10, "Device reset executed"},
    {11, "Channel 1 enters in ALARM"},
    {12, "Channel 1 exits from ALARM"},
    {13, "Channel 1 enters in PREALARM"},
    {14, "Channel 1 exits from PREALARM"},
    {15, "Channel 2 enters in ALARM"},
    {16, "Channel 2 exits from ALARM"},
    {17, "Channel 2 enters in PREALARM"},
    {18, "Channel 2 exits from PREALARM"},
    {19, "Device enters in NORMAL state"},
    {20, "Device enters in MAINTENANCE state"},
    {21, "Device enters in REMOTE MAINTENANCE state"},
    {22, "Device enters in SERVICE MODE state"},
    {23, "Device eneters is disable mode"},
    {24, "Device exits from disable mode"},
    {25, "Device ext input line is in normal state"},
    {26, "Device ext input line is in NOT normal state"},
    {27, "Trend log"},
    {28, "EEPROM restored (area: [FCT] [CFG] [LOB])"},
    {29, "EEPROM restored (area: [LOB])"},
    {30, "EEPROM restored (area: [FCT])"},
    {31, "EEPROM restored (area: [CFG])"},
    {32, "EEPROM restored (area: [ONF])"},
    {33, "[E012] device EEPROM restore failed"},
    {34, "[E013] invalid EEPROM (checksum failed for area [BKP])"},
    {35, "Device flows initialization"},
    {36, "Manual sounder deactivation"},
    {37, "Device real time clock has been updated"},
    {38, "Alarm 1 relay activated"},
    {39, "Alarm 2 relay activated"},
    {40, "Sounder 1 relay activated"},
    {41, "Sounder 2 relay activated"},
    {42, "Fault relay activated"},
    {43, "Prealarm 1 relay activated"},
    {44, "Prealarm 2 relay activated"},
    {45, "Auxiliary fault relay activated"},
    {46, "Alarm 1 relay deactivated"},
    {47, "Alarm 2 relay deactivated"},
    {48, "Sounder 1 relay deactivated"},
    {49, "Sounder 2 relay deactivated"},
    {50, "Fault relay deactivated"},
    {51, "Prealarm 1 relay deactivated"},
    {52, "Prealarm 2 relay deactivated"},
    {53, "Auxiliary fault relay deactivated"},
    {100, "[F001] device configuration data are not available"},
    {101, "[A001] device loop based data are not available"},
    {102, "[F002] device is unable to read its EEPROM"},
    {103, "[A002] device is unable to read or set its real time clock"},
    {104, "[A016] bad communication with LED pcb"},
    {105, "[A003] date stored in device real time clock is not valid"},
    {106, "[F004] device external line input fault"},
    {107, "[A004] device temperature is over limits"},
    {108, "[A005] device temperature is below limits"},
    {109, "[A006] device supply voltage is under 21 V"},
    {110, "[F023] device supply voltage is over 32 V"},
    {111, "[A007] device was not powered for an unknown period of time"},
    {112, "[F005] ultrasonic circuit of channel 1 ko"},
    {113, "[F006] sounder 1 output is in short or open circuit"},
    {114, "[F007] error in communication with channel 1 sensor"},
    {115, "[A008] sensor 1 chamber is dirty (0.3%/feet)"},
    {116, "[A009] sensor 1 chamber is dirty (0.6 %/feet)"},
    {117, "[A010] sensor 1 chamber is dirty (max %/feet)"},
    {118, "[F008] error in initialization of channel 1 sensor"},
    {119, "[F009] sensor 1 chamber is answering a very low value"},
    {120, "[A011] filter 1 due date reached"},
    {121, "[F010] channel 1 aspirating system has trouble"},
    {122, "[F011] channel 1 flow initialization failed"},
    {123, "[F012] channel 1 flow is below the configured limit"},
    {124, "[F013] channel 1 flow is over the configured limit"},
    {125, "[F014] ultrasonic circuit of channel 2 ko"},
    {126, "[F015] sounder 2 output is in short or open circuit"},
    {127, "[F016] error in communication with the channel 2 sensor"},
    {128, "[A012] sensor 2 chamber is dirty (0.3%/feet)"},
    {129, "[A013] sensor 2 chamber is dirty (0.6 %/feet)"},
    {130, "[A014] sensor 2 chamber is dirty (max %/feet)"},
    {131, "[F017] error in initialization of channel 2 sensor"},
    {132, "[F018] sensor 2 chamber is answering a very low value"},
    {133, "[A015] filter 2 due date reached"},
    {134, "[F019] channel 2 aspirating system has trouble"},
    {135, "[F020] channel 2 flow initialization failed"},
    {136, "[F021] channel 2 flow is below the configured limit"},
    {137, "[F022] channel 2 flow is over the configured limit"},
};

bool IsRestoration(int code) { return code >= 152 && code <= 187; }

// "Restore from fault [F002]" for the fault of code - 50, "... alert [Annn]" for an alert.
QString RestorationOf(int code) {
  const QString id = EventText(code - 50).left(6);
  return (id.startsWith("[F") ? "Restore from fault " : "Restore from alert ") + id;
}

TEST(EventText, EveryByteCode) {
  for (int code = 0; code < 256; ++code) {
    SCOPED_TRACE(code);
    const auto assigned = kAssigned.find(code);
    if (assigned != kAssigned.end())
      EXPECT_EQ(EventText(code), QString::fromLatin1(assigned->second));
    else if (IsRestoration(code))
      EXPECT_EQ(EventText(code), RestorationOf(code));
    else
      EXPECT_EQ(EventText(code), QString());
  }
}

TEST(EventText, RestorationsAreLiteralWhereTheNumberingIsOutOfOrder) {
  EXPECT_EQ(EventText(154), "Restore from alert [A016]");
  EXPECT_EQ(EventText(160), "Restore from fault [F023]");
  EXPECT_EQ(EventText(152), "Restore from fault [F002]");
  EXPECT_EQ(EventText(187), "Restore from fault [F022]");
}

TEST(EventText, OutsideTheByteRangeIsEmpty) {
  EXPECT_EQ(EventText(-1), QString());
  EXPECT_EQ(EventText(256), QString());
  EXPECT_EQ(EventText(100000), QString());
}

// The state report's short names and the log's texts number the same faults:
// " fault 023 (...)" must test the flag whose event text is "[F023] ...".
TEST(FaultNames, AgreeWithTheEventTexts) {
  std::set<int> codes;
  for (const FaultName& name : kFaultNames) {
    const QString shortName = QString::fromLatin1(name.text);
    SCOPED_TRACE(name.text);
    EXPECT_EQ(shortName.size(), 23);
    const QString id = QStringLiteral("[%1%2]")
                           .arg(shortName.mid(1, 5) == "fault" ? 'F' : 'A')
                           .arg(shortName.mid(7, 3));
    EXPECT_TRUE(EventText(name.code).startsWith(id)) << EventText(name.code).toStdString();
    codes.insert(name.code);
  }
  EXPECT_EQ(codes.size(), 38u);  // every flag 100..137 exactly once
  EXPECT_EQ(*codes.begin(), 100);
  EXPECT_EQ(*codes.rbegin(), 137);
}

}  // namespace
