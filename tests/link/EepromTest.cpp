// Reading, verifying, correcting and writing the EEPROM image, storing the
// configuration, and the detector's backup and restore of its areas.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "DeviceModel.h"
#include "SimulatedPort.h"
#include "TKV.h"

namespace {

using sim::Fault;
using sim::FaultKind;
using Image = std::array<uint8_t, 512>;

class Eeprom : public ::testing::Test {
 protected:
  void Connect(sim::DetectorOptions options = {}) {
    port = std::make_unique<testsupport::SimulatedPort>(options);
    ASSERT_EQ(tkv.Connect(port->number(), 0, 0, 0), 1) << tkv.GetLastResult();
    port->detector().ClearRequestLog();
  }
  Image Held() const {
    Image image;
    std::copy(tkv.HeldImage(), tkv.HeldImage() + 512, image.begin());
    return image;
  }
  uint8_t DeviceByte(int address) {
    return port->detector().WithModel([=](sim::DeviceModel& m) { return m.Eeprom(address); });
  }
  std::vector<std::vector<uint8_t>> Requests() { return port->detector().RequestLog(); }

  std::unique_ptr<testsupport::SimulatedPort> port;
  TKV tkv;
};

// Code, first address and count of a memory request, as sent.
struct Transfer {
  int code, address, count;
  bool operator==(const Transfer& o) const {
    return code == o.code && address == o.address && count == o.count;
  }
};
std::ostream& operator<<(std::ostream& os, const Transfer& t) {
  return os << "{" << t.code << ", " << t.address << ", " << t.count << "}";
}
std::vector<Transfer> Transfers(const std::vector<std::vector<uint8_t>>& requests) {
  std::vector<Transfer> out;
  for (const auto& r : requests) out.push_back({r[0], r[3] | r[4] << 8, r[5] | r[6] << 8});
  return out;
}

TEST_F(Eeprom, ChecksumsOfAnAllZeroImage) {
  Image image{};
  EXPECT_FALSE(TKV::VerifyImageChecksums(image.data()));
  EXPECT_EQ(TKV::UpdateImageChecksums(image.data()), 1);
  EXPECT_EQ(image[48], 1);
  EXPECT_EQ(image[275], 3);
  EXPECT_EQ(image[495], 5);
  EXPECT_TRUE(TKV::VerifyImageChecksums(image.data()));
}

TEST_F(Eeprom, ReadFillsTheCallersBufferAndLeavesTheHeldImage) {
  Connect();
  port->detector().WithModel([](sim::DeviceModel& m) { m.SetEeprom(300, 77); });
  Image read{};
  ASSERT_EQ(tkv.ReadEepromImage(read.data()), 1) << tkv.GetLastResult();
  EXPECT_EQ(read[300], 77);
  EXPECT_NE(Held()[300], 77);
}

TEST_F(Eeprom, AreasLeaveInOrderEachReadBack) {
  Connect();
  Image image = Held();
  image[10] = 0x55;
  image[500] = 0x66;
  TKV::UpdateImageChecksums(image.data());
  ASSERT_EQ(tkv.WriteEepromAreas(image.data(), 1, 1, 1), 1) << tkv.GetLastResult();
  std::vector<Transfer> expected = {{4, 0, 256},   {3, 0, 256},   {4, 256, 20},
                                    {3, 256, 20},  {4, 276, 236}, {3, 276, 236}};
  EXPECT_EQ(Transfers(Requests()), expected);
  EXPECT_EQ(DeviceByte(10), 0x55);
  EXPECT_EQ(DeviceByte(500), 0x66);
}

TEST_F(Eeprom, Flag255WritesDespiteWrongChecksums) {
  Connect();
  Image image = Held();
  image[48] ^= 0xFF;
  image[275] ^= 0xFF;
  image[495] ^= 0xFF;
  ASSERT_EQ(tkv.WriteEepromAreas(image.data(), 255, 255, 255), 1) << tkv.GetLastResult();
  EXPECT_EQ(Requests().size(), 6u);
  EXPECT_EQ(DeviceByte(495), image[495]);
}

TEST_F(Eeprom, RefusalsBeforeAnyTransfer) {
  Connect();
  Image wrongConfig = Held();
  ++wrongConfig[495];
  struct Case {
    const char* name;
    int low, factory, config;
    int result;
  };
  // All three areas are tested even when only [FCT] is to be written.
  for (const Case& c : {Case{"FactoryOnlyWithWrongCfg", 0, 1, 0, 23},
                        Case{"NoAreaSelected", 0, 0, 0, 13}}) {
    EXPECT_EQ(tkv.WriteEepromAreas(wrongConfig.data(), c.low, c.factory, c.config), 0) << c.name;
    EXPECT_EQ(tkv.GetLastResult(), c.result) << c.name;
  }
  EXPECT_TRUE(Requests().empty());
}

TEST_F(Eeprom, ADetectorThatStoresAnotherValueFailsWithUnknownError) {
  Connect();
  port->detector().InjectFault({FaultKind::StoreDifferent, 4, 1});
  Image image = Held();
  EXPECT_EQ(tkv.WriteEepromAreas(image.data(), 0, 1, 1), 0);
  EXPECT_EQ(tkv.GetLastResult(), 0);
  EXPECT_EQ(Requests().size(), 2u) << "stops after the first failed range";
}

TEST_F(Eeprom, RefusedWriteIsAnEepromFailure) {
  Connect();
  port->detector().InjectFault({FaultKind::Refuse, 4, 1});
  Image image = Held();
  EXPECT_EQ(tkv.WriteEepromAreas(image.data(), 1, 0, 0), 0);
  EXPECT_EQ(tkv.GetLastResult(), 20);
}

TEST_F(Eeprom, StoreConfigurationSurvivesAReconnection) {
  Connect();
  int32_t trend = 240;
  int32_t reference[2] = {120, 110}, minimum[2] = {60, 50}, maximum[2] = {200, 190};
  ASSERT_EQ(tkv.ParamTrendLogTime(trend, 1), 1);
  ASSERT_EQ(tkv.ParamFlows(reference, minimum, maximum, 1), 1);
  ASSERT_EQ(tkv.StoreConfiguration(), 1) << tkv.GetLastResult();
  EXPECT_EQ(Transfers(Requests()), (std::vector<Transfer>{{4, 276, 236}, {3, 276, 236}}));

  tkv.Disconnect();
  TKV again;
  ASSERT_EQ(again.Connect(port->number(), 0, 0, 0), 1);
  EXPECT_EQ(again.IsConfigAreaOk(), 1) << "checksum corrected before the write";
  int32_t readTrend = 0, readRef[2] = {}, readMin[2] = {}, readMax[2] = {};
  ASSERT_EQ(again.ParamTrendLogTime(readTrend, 0), 1);
  ASSERT_EQ(again.ParamFlows(readRef, readMin, readMax, 0), 1);
  EXPECT_EQ(readTrend, 240);
  EXPECT_EQ(readRef[0], 120);
  EXPECT_EQ(readMin[1], 50);
  EXPECT_EQ(readMax[1], 190);
}

TEST_F(Eeprom, ReloadTakesTheDetectorsBytesOnlyWhenTheirChecksumsHold) {
  Connect();
  port->detector().WithModel([](sim::DeviceModel& m) {
    m.SetEeprom(293, 99);
    m.SealChecksums();
  });
  ASSERT_EQ(tkv.ReloadParameters(), 1) << tkv.GetLastResult();
  EXPECT_EQ(Held()[293], 99);

  port->detector().WithModel([](sim::DeviceModel& m) { m.SetEeprom(293, 12); });
  EXPECT_EQ(tkv.ReloadParameters(), 0);
  EXPECT_EQ(tkv.GetLastResult(), 22);
  EXPECT_EQ(Held()[293], 99);
}

struct GuardCase {
  const char* name;
  sim::DetectorOptions options;
  int store, backup, restore;  // LastResult of StoreConfiguration, UpdateBackupArea, RestoreLoopArea
};

TEST_F(Eeprom, GuardsOfTheAreaOperations) {
  TKV never;
  EXPECT_EQ(never.StoreConfiguration(), 0);
  EXPECT_EQ(never.GetLastResult(), 10);
  EXPECT_EQ(never.RestoreOnfArea(), 0);
  EXPECT_EQ(never.GetLastResult(), 10);

  sim::DetectorOptions notRead, badLoop;
  notRead.eepromNotRead = true;
  badLoop.badLoopChecksum = true;
  // A wrong [LOB] forbids storing and backing up, but a restore is what mends it.
  for (const GuardCase& c : {GuardCase{"EepromNotRead", notRead, 20, 20, 20},
                             GuardCase{"BadLoopChecksum", badLoop, 22, 22, 0}}) {
    TKV device;
    testsupport::SimulatedPort p(c.options);
    ASSERT_EQ(device.Connect(p.number(), 0, 0, 0), 1) << c.name;
    EXPECT_EQ(device.StoreConfiguration(), 0) << c.name;
    EXPECT_EQ(device.GetLastResult(), c.store) << c.name;
    EXPECT_EQ(device.UpdateBackupArea(), 0) << c.name;
    EXPECT_EQ(device.GetLastResult(), c.backup) << c.name;
    device.RestoreLoopArea();
    EXPECT_EQ(device.GetLastResult(), c.restore) << c.name;
  }
}

TEST_F(Eeprom, RestoreFromTheBackupAndItsRefusal) {
  Connect();
  port->detector().WithModel([](sim::DeviceModel& m) { m.SetEeprom(300, 1); });
  ASSERT_EQ(tkv.RestoreConfigArea(), 1) << tkv.GetLastResult();
  EXPECT_EQ(Requests().back()[3], 3) << "area number in P1";
  EXPECT_NE(DeviceByte(300), 1);

  port->detector().InjectFault({FaultKind::Refuse, 28, 1});
  EXPECT_EQ(tkv.RestoreWholeEeprom(), 0);
  EXPECT_EQ(tkv.GetLastResult(), 21);
}

TEST_F(Eeprom, OnfRestoreThenLogClear) {
  Connect();
  ASSERT_EQ(tkv.RestoreOnfArea(), 1) << tkv.GetLastResult();
  std::vector<std::vector<uint8_t>> sent = Requests();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0][0], 28);
  EXPECT_EQ(sent[0][3], 4);
  EXPECT_EQ(sent[1][0], 22);

  struct Case {
    int command, result;
  };
  for (const Case& c : {Case{28, 20}, Case{22, 18}}) {
    port->detector().InjectFault({FaultKind::Refuse, c.command, 1});
    EXPECT_EQ(tkv.RestoreOnfArea(), 0);
    EXPECT_EQ(tkv.GetLastResult(), c.result) << "refused command " << c.command;
  }
}

TEST_F(Eeprom, BackupUpdateIsCommand31) {
  Connect();
  ASSERT_EQ(tkv.UpdateBackupArea(), 1) << tkv.GetLastResult();
  EXPECT_EQ(Requests().back()[0], 31);
  port->detector().InjectFault({FaultKind::Refuse, 31, 1});
  EXPECT_EQ(tkv.UpdateBackupArea(), 0);
  EXPECT_EQ(tkv.GetLastResult(), 20);
}

}  // namespace
