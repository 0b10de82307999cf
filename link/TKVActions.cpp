// Commands that make the detector do something, and its real-time clock. Each
// is one command with a few parameter bytes and no answer data but the clock's.
#include "TKV.h"

namespace {
constexpr uint8_t kReadClock = 19;
constexpr uint8_t kSetClock = 20;
constexpr uint8_t kClearOperatingHours = 23;
constexpr uint8_t kTestFan = 27;
constexpr uint8_t kRestartDevice = 29;
constexpr uint8_t kSetRelay = 33;
constexpr uint8_t kDeviceAction = 34;
constexpr int kClockBytes = 7;

constexpr uint8_t kActionReset = 3;
constexpr uint8_t kActionSoundersOff = 4;  // + selector
constexpr int kNoFanTest = 11;
constexpr int kMaxFanSpeed = 10;
constexpr int kLastRelay = 8;
constexpr int kFirstStandAloneRelay = 6;  // prealarm 1 and 2 exist on a stand-alone unit only
constexpr int32_t kStandAlone = 1;

constexpr int kDaysIn[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

frame::Params WithParams(int p1, int p2 = 0) {
  frame::Params p{};
  p[0] = static_cast<uint8_t>(p1);
  p[1] = static_cast<uint8_t>(p2);
  return p;
}

bool SelectorValid(int selector) { return selector >= 0 && selector <= 2; }
}  // namespace

bool TKV::IsValidDateTime(int32_t day, int32_t month, int32_t year, int32_t hour,
                          int32_t minute, int32_t second) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
    return false;
  if (day < 1 || day > 31 || month < 1 || month > 12 || year < 11 || year > 99) return false;
  int last = kDaysIn[month - 1] + (month == 2 && year % 4 == 0 ? 1 : 0);
  return day <= last;
}

// Holiday slots: a 0 in either field marks an unused slot; February always allows 29.
bool TKV::IsValidDayMonth(int32_t day, int32_t month) {
  if (day == 0 || month == 0) return true;
  if (day < 1 || day > 31 || month < 1 || month > 12) return false;
  int last = month == 2 ? 29 : kDaysIn[month - 1];
  return day <= last;
}

bool TKV::ActionAllowed() {
  if (!ConnectedOr10()) return false;
  if (Status.WrongConfiguration == 1 || Status.EepromRead == 0) {
    LastResult = ResultStateForbids;
    return false;
  }
  return true;
}

int TKV::RunAction(uint8_t code, const frame::Params& params, int32_t refusalCode) {
  LastResult = 0;
  if (SendCommand(code, 0, 0, params, nullptr, Answer.data())) return 1;
  MapRefusal(refusalCode);
  return 0;
}

bool TKV::ArgumentOk(bool ok) {
  if (!ok) LastResult = ResultBadCall;
  return ok;
}

int TKV::RestartDevice(int mode) {
  if (!ActionAllowed()) return 0;
  return RunAction(kRestartDevice, WithParams(mode), ResultRefused);
}

int TKV::ResetDevice() {
  if (!ActionAllowed()) return 0;
  return RunAction(kDeviceAction, WithParams(kActionReset), ResultRefused);
}

int TKV::TestChannel(int selector) {
  if (!ActionAllowed() || !ArgumentOk(SelectorValid(selector))) return 0;
  return RunAction(kDeviceAction, WithParams(selector), ResultRefused);
}

int TKV::SoundersOff(int selector) {
  if (!ActionAllowed() || !ArgumentOk(SelectorValid(selector))) return 0;
  return RunAction(kDeviceAction, WithParams(kActionSoundersOff + selector), ResultRefused);
}

// Selector 0 tests fan 1, 1 tests fan 2, 2 ends any fan test.
int TKV::TestFan(int selector, int speed) {
  if (!ActionAllowed() ||
      !ArgumentOk(speed >= 0 && speed <= kMaxFanSpeed && SelectorValid(selector)))
    return 0;
  int fan1 = selector == 0 ? speed : kNoFanTest;
  int fan2 = selector == 1 ? speed : kNoFanTest;
  return RunAction(kTestFan, WithParams(fan1, fan2), ResultRefused);
}

int TKV::SetRelay(int relay, int state) {
  if (!ActionAllowed()) return 0;
  bool standAloneOnly = relay >= kFirstStandAloneRelay && relay < kLastRelay;
  if (!ArgumentOk(relay >= 1 && relay <= kLastRelay && (state == 0 || state == 1) &&
                  (!standAloneOnly || Info.Variant == kStandAlone)))
    return 0;
  return RunAction(kSetRelay, WithParams(relay, state), ResultRefused);
}

int TKV::ClearOperatingHours() {
  if (!ActionAllowed()) return 0;
  return RunAction(kClearOperatingHours, {}, ResultRefused);
}

int TKV::ReadClock(int32_t& day, int32_t& month, int32_t& year, int32_t& hour, int32_t& minute,
                   int32_t& second) {
  if (!ActionAllowed()) return 0;
  LastResult = 0;
  if (!SendCommand(kReadClock, 0, kClockBytes, {}, nullptr, Answer.data())) {
    MapRefusal(ResultClockRefused);
    return 0;
  }
  day = Answer[1];
  month = Answer[2];
  year = Answer[3];
  hour = Answer[4];
  minute = Answer[5];
  second = Answer[6];
  return 1;
}

int TKV::SetClock(int32_t day, int32_t month, int32_t year, int32_t hour, int32_t minute,
                  int32_t second) {
  if (!ActionAllowed() || !ArgumentOk(IsValidDateTime(day, month, year, hour, minute, second)))
    return 0;
  const uint8_t data[6] = {static_cast<uint8_t>(day),  static_cast<uint8_t>(month),
                           static_cast<uint8_t>(year), static_cast<uint8_t>(hour),
                           static_cast<uint8_t>(minute), static_cast<uint8_t>(second)};
  LastResult = 0;
  if (!SendCommand(kSetClock, 6, 0, {}, data, Answer.data())) {
    MapRefusal(ResultClockRefused);
    return 0;
  }
  return 1;
}
