// Command 30: the detector's live condition in 74 bytes, and its getters.
#include "TKV.h"

namespace {
constexpr uint8_t kReadState = 30;
constexpr int kStateBytes = 74;
constexpr int kFirstFlagCode = 100;
}  // namespace

int TKV::ReadState() {
  if (!ConnectedOr10()) return 0;
  if (Status.WrongConfiguration == 1) {
    LastResult = ResultUnknownState;
    return 0;
  }
  LastResult = 0;
  if (!SendCommand(kReadState, 0, kStateBytes, {}, nullptr, Answer.data())) {
    MapRefusal(ResultStateRefused);
    return 0;
  }
  State = DecodeState(Answer.data() + 1);
  StateValid = 1;
  return 1;
}

bool TKV::StateAvailable() {
  if (!ConnectedOr10()) return false;
  if (StateValid == 1 && Status.WrongConfiguration == 0) return true;
  LastResult = ResultUnknownState;
  return false;
}

int TKV::StateValue(int32_t value) { return StateAvailable() ? value : -1; }

namespace {
size_t Ch(int ch) { return ch == 1 ? 1 : 0; }
}  // namespace

int TKV::GetChannelEnabled(int ch) { return StateValue(State.Channel[Ch(ch)].Enabled); }
int TKV::GetSensorEnabled(int ch) { return StateValue(State.Channel[Ch(ch)].SensorEnabled); }
int TKV::GetChannelAlarm(int ch) { return StateValue(State.Channel[Ch(ch)].Alarm); }
int TKV::GetChannelPrealarm(int ch) { return StateValue(State.Channel[Ch(ch)].Prealarm); }
int TKV::GetFlow(int ch) { return StateValue(State.Channel[Ch(ch)].Flow); }
int TKV::GetFanSpeed(int ch) { return StateValue(State.Channel[Ch(ch)].FanSpeed); }
int TKV::GetFlowTemperature(int ch) { return StateValue(State.Channel[Ch(ch)].FlowTemperature); }
int TKV::GetSensorOutput(int ch) { return StateValue(State.Channel[Ch(ch)].SensorOutput); }
int TKV::GetSupplyVoltage(int index) { return StateValue(State.Supply[Ch(index)]); }
int TKV::GetAsdFault() { return StateValue(State.AsdFault); }
int TKV::GetAsdAuxFault() { return StateValue(State.AsdAuxFault); }
int TKV::GetInternalTemperature() { return StateValue(State.InternalTemperature); }
int TKV::GetLoopAddress() { return StateValue(State.LoopAddress); }
int TKV::GetExternalInput() { return StateValue(State.ExternalInput); }
int TKV::GetOperatingHoursByte0() { return StateValue(State.OperatingHours[0]); }
int TKV::GetOperatingHoursByte1() { return StateValue(State.OperatingHours[1]); }
int TKV::GetOperatingHoursByte2() { return StateValue(State.OperatingHours[2]); }
int TKV::GetOperatingHoursByte3() { return StateValue(State.OperatingHours[3]); }

int TKV::GetRelay(int index) {
  if (!StateAvailable()) return -1;
  if (index < 0 || index >= kRelayCount) {
    LastResult = ResultBadCall;
    return -1;
  }
  return State.Relay[static_cast<size_t>(index)];
}

int TKV::GetStateFlag(int code) {
  if (!StateAvailable()) return -1;
  if (code < kFirstFlagCode || code >= kFirstFlagCode + kStateFlagCount) {
    LastResult = ResultBadCall;
    return -1;
  }
  return State.Flag[static_cast<size_t>(code - kFirstFlagCode)];
}
