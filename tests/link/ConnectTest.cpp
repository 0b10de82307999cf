// Connecting to detectors in every condition they report, and the guards of
// the status and identity getters.
#include <gtest/gtest.h>

#include "DeviceModel.h"
#include "SimulatedPort.h"
#include "TKV.h"

namespace {

using sim::DetectorOptions;
using sim::Fault;
using sim::FaultKind;

DetectorOptions With(void (*change)(DetectorOptions&)) {
  DetectorOptions o;
  change(o);
  return o;
}

struct ConnectCase {
  const char* name;
  DetectorOptions options;
  // What the status getters report after a successful Connect.
  int eepromRead, factoryOk, configOk, loopOk, wrongConfiguration;
  int variantResult;  // GetVariant's LastResult when refused, 0 when it answers
};
void PrintTo(const ConnectCase& c, std::ostream* os) { *os << c.name; }

class ConnectCases : public ::testing::TestWithParam<ConnectCase> {};

TEST_P(ConnectCases, ReportTheDetectorsCondition) {
  const ConnectCase& c = GetParam();
  testsupport::SimulatedPort port(c.options);
  TKV tkv;
  ASSERT_EQ(tkv.Connect(port.number(), 0, 0, 0), 1) << tkv.GetLastResult();
  EXPECT_EQ(tkv.IsConnected(), 1);
  EXPECT_EQ(tkv.IsEepromRead(), c.eepromRead);
  EXPECT_EQ(tkv.IsFactoryAreaOk(), c.factoryOk);
  EXPECT_EQ(tkv.IsConfigAreaOk(), c.configOk);
  EXPECT_EQ(tkv.IsLoopAreaOk(), c.loopOk);
  EXPECT_EQ(tkv.IsWrongConfiguration(), c.wrongConfiguration);
  if (c.variantResult == 0) {
    EXPECT_EQ(tkv.GetVariant(), static_cast<int>(c.options.variant));
  } else {
    EXPECT_EQ(tkv.GetVariant(), -1);
    EXPECT_EQ(tkv.GetLastResult(), c.variantResult);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Detectors, ConnectCases,
    ::testing::Values(
        ConnectCase{"Normal", {}, 1, 1, 1, 1, 0, 0},
        ConnectCase{"LoopBased", With([](DetectorOptions& o) { o.variant = sim::Variant::LoopBased; }),
                    1, 1, 1, 1, 0, 0},
        // A detector that has not read its EEPROM knows nothing of its areas.
        ConnectCase{"EepromNotRead", With([](DetectorOptions& o) { o.eepromNotRead = true; }), 0,
                    0, 0, 0, 0, 14},
        ConnectCase{"WrongConfiguration",
                    With([](DetectorOptions& o) { o.wrongConfiguration = true; }), 1, 1, 1, 1, 1,
                    14},
        ConnectCase{"BadFactoryChecksum",
                    With([](DetectorOptions& o) { o.badFactoryChecksum = true; }), 1, 0, 1, 1, 0,
                    14},
        ConnectCase{"BadConfigChecksum",
                    With([](DetectorOptions& o) { o.badConfigChecksum = true; }), 1, 1, 0, 1, 0,
                    0},
        ConnectCase{"BadLoopChecksum",
                    With([](DetectorOptions& o) { o.badLoopChecksum = true; }), 1, 1, 1, 0, 0, 0},
        ConnectCase{"BadLogHeaderChecksum",
                    With([](DetectorOptions& o) { o.badLogHeaderChecksum = true; }), 1, 1, 1, 1,
                    0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
  const char* name;
  Fault fault;
  int expectedResult;
};
void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class ConnectRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ConnectRefusals, FailWithTheirOwnCode) {
  testsupport::SimulatedPort port;
  port.detector().InjectFault(GetParam().fault);
  TKV tkv;
  EXPECT_EQ(tkv.Connect(port.number(), 20, 50, 2), 0);
  EXPECT_EQ(tkv.GetLastResult(), GetParam().expectedResult);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ConnectRefusals,
    ::testing::Values(RefusalCase{"Greeting", {FaultKind::Refuse, 6}, 5},
                      RefusalCase{"EepromStatus", {FaultKind::Refuse, 32}, 9},
                      RefusalCase{"ImageRead", {FaultKind::Refuse, 3}, 20},
                      RefusalCase{"GreetingUnanswered", {FaultKind::Silent, 6}, 4},
                      RefusalCase{"StatusBadChecksum", {FaultKind::BadChecksum, 32}, 7}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Connect, RefusedImageReadClearsTheEepromFlags) {
  testsupport::SimulatedPort port;
  port.detector().InjectFault({FaultKind::Refuse, 3, 1});
  TKV tkv;
  ASSERT_EQ(tkv.Connect(port.number(), 0, 0, 0), 0);
  EXPECT_EQ(tkv.IsEepromRead(), 0);
  EXPECT_EQ(tkv.IsFactoryAreaOk(), 0);
  EXPECT_EQ(tkv.IsConfigAreaOk(), 0);
  EXPECT_EQ(tkv.IsLoopAreaOk(), 0);
}

TEST(Connect, TimeOutArguments) {
  testsupport::SimulatedPort port;
  TKV negative;
  EXPECT_EQ(negative.Connect(port.number(), -1, 0, 0), 0);
  EXPECT_EQ(negative.GetLastResult(), 25);
  TKV negativeTotal;
  EXPECT_EQ(negativeTotal.Connect(port.number(), 0, -5, 0), 0);
  EXPECT_EQ(negativeTotal.GetLastResult(), 25);
  TKV positive;
  EXPECT_EQ(positive.Connect(port.number(), 30, 200, 3), 1) << positive.GetLastResult();
}

TEST(Connect, GettersRefuseWithoutAConnection) {
  TKV tkv;
  EXPECT_EQ(tkv.IsEepromRead(), -1);
  EXPECT_EQ(tkv.GetLastResult(), 10);
  EXPECT_EQ(tkv.GetSerialNumber(0), -1);
  EXPECT_EQ(tkv.GetLastResult(), 10);
  EXPECT_EQ(tkv.Disconnect(), 0);
  EXPECT_EQ(tkv.GetLastResult(), 0);
}

TEST(Connect, DisconnectReleasesThePort) {
  testsupport::SimulatedPort port;
  TKV tkv;
  ASSERT_EQ(tkv.Connect(port.number(), 0, 0, 0), 1);
  EXPECT_EQ(tkv.IsPortOpen(), 1);
  EXPECT_EQ(tkv.Disconnect(), 1);
  EXPECT_EQ(tkv.IsConnected(), 0);
  EXPECT_EQ(tkv.IsPortOpen(), 0);
  EXPECT_EQ(tkv.IsEepromRead(), -1);
  TKV next;
  EXPECT_EQ(next.Connect(port.number(), 0, 0, 0), 1) << next.GetLastResult();
}

TEST(Connect, SecondConnectOnAConnectedObjectSendsNothing) {
  testsupport::SimulatedPort port;
  TKV tkv;
  ASSERT_EQ(tkv.Connect(port.number(), 0, 0, 0), 1);
  const uint64_t requestsBefore = port.detector().RequestCount();
  EXPECT_EQ(tkv.Connect(port.number(), 0, 0, 0), 0);
  EXPECT_EQ(tkv.GetLastResult(), 0);
  EXPECT_EQ(port.detector().RequestCount(), requestsBefore);
  EXPECT_EQ(tkv.IsConnected(), 1);
  EXPECT_EQ(tkv.IsEepromRead(), 1);
  EXPECT_EQ(tkv.GetRestartPending(), 0) << "the first connection still answers";
}

struct RestartCase {
  const char* name;
  int pending;
  bool toMaintenance;
  int expected;
};
void PrintTo(const RestartCase& c, std::ostream* os) { *os << c.name; }

class RestartPending : public ::testing::TestWithParam<RestartCase> {};

TEST_P(RestartPending, ReportsTheRestartMode) {
  DetectorOptions o;
  o.restartPending = GetParam().pending;
  o.restartToMaintenance = GetParam().toMaintenance;
  testsupport::SimulatedPort port(o);
  TKV tkv;
  ASSERT_EQ(tkv.Connect(port.number(), 0, 0, 0), 1);
  EXPECT_EQ(tkv.GetRestartPending(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Modes, RestartPending,
                         ::testing::Values(RestartCase{"None", 0, true, 0},
                                           RestartCase{"Normal", 1, false, 1},
                                           RestartCase{"Maintenance", 1, true, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RestartPendingFailures, RefusedQueryIsUnknownErrorAndRefusedReadIs20) {
  DetectorOptions o;
  o.restartPending = 1;
  testsupport::SimulatedPort port(o);
  TKV tkv;
  ASSERT_EQ(tkv.Connect(port.number(), 0, 0, 0), 1);
  port.detector().InjectFault({FaultKind::Refuse, 35});
  EXPECT_EQ(tkv.GetRestartPending(), -1);
  EXPECT_EQ(tkv.GetLastResult(), 0);
  port.detector().InjectFault({FaultKind::Refuse, 3});
  EXPECT_EQ(tkv.GetRestartPending(), -1);
  EXPECT_EQ(tkv.GetLastResult(), 20);
}

}  // namespace

namespace {

TEST(Identity, DecodesTheFactoryArea) {
  testsupport::SimulatedPort port;
  port.detector().WithModel([](sim::DeviceModel& m) {
    const uint8_t serial[] = {0x12, 0x34, 0x56, 0x78};
    m.WriteEeprom(260, serial, 4);
    m.SetEeprom(270, 120);  // a year stored as 120 is read as 11
    m.SetEeprom(273, 9);
    m.SetEeprom(274, 42);
    m.SealChecksums();
  });
  TKV tkv;
  ASSERT_EQ(tkv.Connect(port.number(), 0, 0, 0), 1);
  EXPECT_EQ(tkv.GetManufYear(), 11);
  EXPECT_EQ(tkv.GetSerialNumber(0), 0x12);
  EXPECT_EQ(tkv.GetSerialNumber(3), 0x78);
  EXPECT_EQ(tkv.GetFwMinor(), 9);
  EXPECT_EQ(tkv.GetFwBuild(), 42);
  EXPECT_EQ(tkv.GetChannelCount(), 2);
  EXPECT_EQ(tkv.GetSerialNumber(4), -1);
  EXPECT_EQ(tkv.GetLastResult(), 13);
}

}  // namespace
