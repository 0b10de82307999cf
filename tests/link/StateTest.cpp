// Decoding the detector's 74-byte state answer, and the guards of its getters.
#include <gtest/gtest.h>

#include <array>

#include "DeviceModel.h"
#include "SimulatedPort.h"
#include "TKV.h"

namespace {

using sim::StateBytes;

// Answer byte n (1-based, after the status byte) is bytes[n - 1].
StateBytes CraftedState() {
  StateBytes b{};
  b[0] = 1;     // channel 1 enabled
  b[1] = 1;     // sensor 1 enabled
  b[2] = 2;     // alarm
  b[3] = 3;     // prealarm
  b[4] = 0;     // flow 1 not available
  b[5] = 7;     // fan speed 1
  b[6] = 1;
  b[7] = 0;
  b[10] = 88;   // flow 2
  b[11] = 5;
  b[12] = 140;  // supply 1: 24000 mV
  b[13] = 0;    // supply 2 not available
  b[14] = 9;    // flag 100
  b[51] = 42;   // flag 137
  b[52] = 4;    // ASD fault
  b[53] = 6;    // ASD aux fault
  b[54] = 1, b[55] = 2, b[56] = 3, b[57] = 4;  // operating hours
  b[58] = 1;    // external input
  b[59] = 11, b[67] = 19;  // relays 0 and 8
  b[68] = 150;  // internal temperature 25.0 C
  b[69] = 100;  // flow temperature 1: 0.0 C
  b[70] = 1;    // flow temperature 2: -49.5 C
  b[71] = 17;   // loop address
  b[72] = 200, b[73] = 201;
  return b;
}

class State : public ::testing::Test {
 protected:
  void SetUp() override {
    port.detector().WithModel([](sim::DeviceModel& m) { m.SetState(CraftedState()); });
    ASSERT_EQ(tkv.Connect(port.number(), 0, 0, 0), 1);
  }
  testsupport::SimulatedPort port;
  TKV tkv;
};

TEST_F(State, GettersRefuseBeforeTheFirstRead) {
  EXPECT_EQ(tkv.GetFlow(0), -1);
  EXPECT_EQ(tkv.GetLastResult(), 12);
  EXPECT_EQ(tkv.GetStateFlag(100), -1);
  EXPECT_EQ(tkv.GetLastResult(), 12);
}

TEST_F(State, DecodesEveryField) {
  ASSERT_EQ(tkv.ReadState(), 1) << tkv.GetLastResult();
  EXPECT_EQ(tkv.GetChannelEnabled(0), 1);
  EXPECT_EQ(tkv.GetSensorEnabled(0), 1);
  EXPECT_EQ(tkv.GetChannelAlarm(0), 2);
  EXPECT_EQ(tkv.GetChannelPrealarm(0), 3);
  EXPECT_EQ(tkv.GetFlow(0), 99999);
  EXPECT_EQ(tkv.GetFanSpeed(0), 7);
  EXPECT_EQ(tkv.GetChannelEnabled(1), 1);
  EXPECT_EQ(tkv.GetSensorEnabled(1), 0);
  EXPECT_EQ(tkv.GetFlow(1), 88);
  EXPECT_EQ(tkv.GetFanSpeed(1), 5);
  EXPECT_EQ(tkv.GetSupplyVoltage(0), 24000);
  EXPECT_EQ(tkv.GetSupplyVoltage(1), 99999);
  EXPECT_EQ(tkv.GetStateFlag(100), 9);
  EXPECT_EQ(tkv.GetStateFlag(137), 42);
  EXPECT_EQ(tkv.GetAsdFault(), 4);
  EXPECT_EQ(tkv.GetAsdAuxFault(), 6);
  EXPECT_EQ(tkv.GetOperatingHoursByte0(), 1);
  EXPECT_EQ(tkv.GetOperatingHoursByte3(), 4);
  EXPECT_EQ(tkv.GetExternalInput(), 1);
  EXPECT_EQ(tkv.GetRelay(0), 11);
  EXPECT_EQ(tkv.GetRelay(8), 19);
  EXPECT_EQ(tkv.GetInternalTemperature(), 250);
  EXPECT_EQ(tkv.GetFlowTemperature(0), 0);
  EXPECT_EQ(tkv.GetFlowTemperature(1), -495);
  EXPECT_EQ(tkv.GetLoopAddress(), 17);
  EXPECT_EQ(tkv.GetSensorOutput(0), 200);
  EXPECT_EQ(tkv.GetSensorOutput(1), 201);
}

TEST_F(State, IndexesOutsideTheirRangeAreBadCalls) {
  ASSERT_EQ(tkv.ReadState(), 1);
  for (int code : {99, 138}) {
    EXPECT_EQ(tkv.GetStateFlag(code), -1);
    EXPECT_EQ(tkv.GetLastResult(), 13) << code;
  }
  for (int index : {-1, 9}) {
    EXPECT_EQ(tkv.GetRelay(index), -1);
    EXPECT_EQ(tkv.GetLastResult(), 13) << index;
  }
}

TEST_F(State, RefusedReadKeepsThePreviousSnapshot) {
  ASSERT_EQ(tkv.ReadState(), 1);
  port.detector().InjectFault({sim::FaultKind::Refuse, 30});
  EXPECT_EQ(tkv.ReadState(), 0);
  EXPECT_EQ(tkv.GetLastResult(), 11);
  EXPECT_EQ(tkv.GetFlow(1), 88);
}

TEST(StateGuards, WrongConfigurationAndNoConnection) {
  TKV none;
  EXPECT_EQ(none.ReadState(), 0);
  EXPECT_EQ(none.GetLastResult(), 10);
  EXPECT_EQ(none.GetFlow(0), -1);
  EXPECT_EQ(none.GetLastResult(), 10);

  sim::DetectorOptions wrong;
  wrong.wrongConfiguration = true;
  testsupport::SimulatedPort port(wrong);
  TKV tkv;
  ASSERT_EQ(tkv.Connect(port.number(), 0, 0, 0), 1);
  EXPECT_EQ(tkv.ReadState(), 0);
  EXPECT_EQ(tkv.GetLastResult(), 12);
}

}  // namespace
