// Reading the event log into memory, decoding its entries, clearing it.
#include <gtest/gtest.h>

#include <array>

#include "DeviceModel.h"
#include "SimulatedPort.h"
#include "TKV.h"

namespace {

using Entry = sim::LogEntry;

struct Decoded {
  int32_t event = -7, day = -7, month = -7, year = -7, hour = -7, minute = -7, second = -7,
          temperature = -7;
  int32_t supply[2] = {-7, -7}, flow[2] = {-7, -7}, sensor[2] = {-7, -7};
};

int Get(TKV& tkv, int index, Decoded& d) {
  return tkv.GetLogRecord(index, &d.event, &d.day, &d.month, &d.year, &d.hour, &d.minute,
                          &d.second, &d.temperature, d.supply, d.flow, d.sensor);
}

// Header count and full flag as given, checksum made to hold.
void SetHeader(sim::DeviceModel& m, int count, int full) {
  sim::LogHeaderBytes h = m.LogHeader();
  h[4] = static_cast<uint8_t>(count % 256);
  h[5] = static_cast<uint8_t>(count / 256);
  h[6] = static_cast<uint8_t>(full);
  m.SetLogHeader(h);
  m.SealChecksums();
}

void CorruptLogHeaderChecksum(sim::DeviceModel& m) {
  sim::LogHeaderBytes h = m.LogHeader();
  h[63] = static_cast<uint8_t>(h[63] + 1);
  m.SetLogHeader(h);
}

class Log : public ::testing::Test {
 protected:
  void Connect() { ASSERT_EQ(tkv.Connect(port.number(), 0, 0, 0), 1) << tkv.GetLastResult(); }
  template <class F>
  void Model(F f) {
    port.detector().WithModel(f);
  }
  testsupport::SimulatedPort port;
  TKV tkv;
};

TEST_F(Log, DecodesAnEntryFromTheWholeLogReadInBlocks) {
  Model([](sim::DeviceModel& m) {
    SetHeader(m, 10, 0);
    m.SetLogEntry(3, Entry{54, 0, 12, 10, 23, 59, 58, 0, 140, 0, 88, 0, 2, 3});
  });
  Connect();
  uint64_t before = port.detector().RequestCount();
  ASSERT_EQ(tkv.ReadLog(), 1) << tkv.GetLastResult();
  EXPECT_EQ(port.detector().RequestCount() - before, 32u) << "header and 31 blocks";
  EXPECT_EQ(tkv.GetLogCount(), 10);
  EXPECT_EQ(tkv.IsLogFull(), 0);

  Decoded d;
  ASSERT_EQ(Get(tkv, 3, d), 1);
  EXPECT_EQ(d.event, 54);
  EXPECT_EQ(d.day, 0);
  EXPECT_EQ(d.month, 12);
  EXPECT_EQ(d.year, 10);
  EXPECT_EQ(d.hour, 23);
  EXPECT_EQ(d.minute, 59);
  EXPECT_EQ(d.second, 58);
  EXPECT_EQ(d.temperature, 99999);
  EXPECT_EQ(d.supply[0], 24000);
  EXPECT_EQ(d.supply[1], 99999);
  EXPECT_EQ(d.flow[0], 88);
  EXPECT_EQ(d.flow[1], 99999);
  EXPECT_EQ(d.sensor[0], 2);
  EXPECT_EQ(d.sensor[1], 3);
}

TEST_F(Log, IndexesAreBoundedByTheCountAndTheBuffer) {
  Model([](sim::DeviceModel& m) {
    SetHeader(m, 10, 0);
    m.SetLogEntry(2243, Entry{77, 1, 2, 3, 4, 5, 6, 150, 140, 140, 50, 60, 0, 0});
  });
  Connect();
  ASSERT_EQ(tkv.ReadLog(), 1);
  Decoded d;
  EXPECT_EQ(Get(tkv, 10, d), 1);
  EXPECT_EQ(Get(tkv, 11, d), 0);
  EXPECT_EQ(tkv.GetLastResult(), 17);
  ASSERT_EQ(Get(tkv, -2243, d), 1) << "a negative index is not bounded by the count";
  EXPECT_EQ(d.event, 77);
  EXPECT_EQ(d.temperature, 250);
  for (int index : {2244, -2244, 100000, -2147483647 - 1}) {
    EXPECT_EQ(Get(tkv, index, d), 0) << index;
    EXPECT_EQ(tkv.GetLastResult(), 17) << index;
  }
}

TEST_F(Log, FullLogAcceptsEveryIndex) {
  Model([](sim::DeviceModel& m) { SetHeader(m, 5, 1); });
  Connect();
  ASSERT_EQ(tkv.ReadLog(), 1);
  EXPECT_EQ(tkv.IsLogFull(), 1);
  Decoded d;
  EXPECT_EQ(Get(tkv, 2243, d), 1);
}

TEST_F(Log, BlankLogIsReadWithoutEntries) {
  Model([](sim::DeviceModel& m) { m.FillLog(sim::LogFill::Blank); });
  Connect();
  uint64_t before = port.detector().RequestCount();
  ASSERT_EQ(tkv.ReadLog(), 1);
  EXPECT_EQ(port.detector().RequestCount() - before, 1u);
  EXPECT_EQ(tkv.GetLogCount(), -2);
  Decoded d;
  EXPECT_EQ(Get(tkv, 0, d), 0);
  EXPECT_EQ(tkv.GetLastResult(), 17);
}

TEST_F(Log, HeaderFailures) {
  Model([](sim::DeviceModel& m) { SetHeader(m, 2244, 0); });
  Connect();
  EXPECT_EQ(tkv.ReadLog(), 0);
  EXPECT_EQ(tkv.GetLastResult(), 15) << "a count of 2244 cannot be";

  port.detector().InjectFault({sim::FaultKind::Refuse, 3});
  EXPECT_EQ(tkv.ReadLog(), 0);
  EXPECT_EQ(tkv.GetLastResult(), 16);

  Model([](sim::DeviceModel& m) {
    SetHeader(m, 3, 0);
    CorruptLogHeaderChecksum(m);
  });
  EXPECT_EQ(tkv.ReadLog(), 0);
  EXPECT_EQ(tkv.GetLastResult(), 22);
  EXPECT_EQ(tkv.GetLogCount(), -1) << "nothing was loaded";
  EXPECT_EQ(tkv.GetLastResult(), 15);
}

TEST_F(Log, ClearBlanksTheDetectorsLogAndTheHeldCopyIsStale) {
  Connect();
  ASSERT_EQ(tkv.ReadLog(), 1);
  ASSERT_EQ(tkv.ClearLog(), 1) << tkv.GetLastResult();
  EXPECT_EQ(tkv.GetLogCount(), -1);
  EXPECT_EQ(tkv.GetLastResult(), 15);
  ASSERT_EQ(tkv.ReadLog(), 1);
  EXPECT_EQ(tkv.GetLogCount(), -2);

  port.detector().InjectFault({sim::FaultKind::Refuse, 22});
  EXPECT_EQ(tkv.ClearLog(), 0);
  EXPECT_EQ(tkv.GetLastResult(), 18);
}

TEST(LogGuards, NeedAReadEeprom) {
  sim::DetectorOptions notRead;
  notRead.eepromNotRead = true;
  testsupport::SimulatedPort port(notRead);
  TKV tkv;
  ASSERT_EQ(tkv.Connect(port.number(), 0, 0, 0), 1);
  EXPECT_EQ(tkv.ReadLog(), 0);
  EXPECT_EQ(tkv.GetLastResult(), 15);
  EXPECT_EQ(tkv.ClearLog(), 0);
  EXPECT_EQ(tkv.GetLastResult(), 15);
}

}  // namespace
