// Bringing a connection up and down: greeting, EEPROM status, image and log
// header, area checksums, and the restart query.
#include <cstring>

#include "TKV.h"
#include "serial/SerialPort.h"

namespace {
constexpr uint8_t kReadMemory = 3;
constexpr uint8_t kGreet = 6;
constexpr uint8_t kQueryRestart = 35;
constexpr uint8_t kReadEepromStatus = 32;
constexpr int kDefaultInterByteMs = 50;
constexpr int kDefaultTotalMs = 1000;
constexpr int kDefaultAttempts = 8;
}  // namespace

TKV::TKV() = default;

TKV::~TKV() {
  if (PortOpen) ReleasePort();
}

bool TKV::VerifyAreaChecksum(const uint8_t* data, int start, int count, int position,
                             int seed) {
  unsigned sum = static_cast<unsigned>(seed);
  for (int i = start; i < start + count; ++i)
    if (i != position) sum += data[i];
  return static_cast<uint8_t>(sum) == data[position];
}

bool TKV::AreaValid(const uint8_t* data, const memory::Area& area) {
  return VerifyAreaChecksum(data, area.start, area.count, area.position, area.seed);
}

int TKV::ReadMemoryInto(int address, int count, uint8_t* out) {
  if (!SendCommand(kReadMemory, 0, count, frame::MemoryParams(address, count), nullptr,
                   Answer.data()))
    return 0;
  std::memcpy(out, Answer.data() + 1, static_cast<size_t>(count));
  return 1;
}

int TKV::OpenAndGreet(unsigned port, int interByteMs, int totalMs, int attempts) {
  if (interByteMs == 0) interByteMs = kDefaultInterByteMs;
  if (totalMs == 0) totalMs = kDefaultTotalMs;
  ReadAttempts = attempts < 1 ? kDefaultAttempts : attempts;
  if (!OpenPort(port, 38400, 8, 0, 0, interByteMs, totalMs)) return 0;
  const bool suspect = LineSuspect;
  int greeted = SendCommand(kGreet, 0, 0, {}, nullptr, Answer.data());
  // On a line left suspect the late answer may run into the greeting as surplus bytes. The
  // greeting changes nothing on the detector, so it goes once more on the settled line.
  if (!greeted && suspect && LastResult == ResultBadAnswer)
    greeted = SendCommand(kGreet, 0, 0, {}, nullptr, Answer.data());
  if (!greeted) {
    ClosePort();
    MapRefusal(ResultGreetRefused);
    return 0;
  }
  PortOpen = 1;
  return 1;
}

int TKV::Connect(unsigned port, int interByteMs, int totalMs, int attempts) {
  // A connected object keeps its connection: no second greeting, no reopened port.
  if (Connected) {
    LastResult = 0;
    return 0;
  }
  // Any positive time-out is a valid choice; only negative ones are nonsense.
  if (interByteMs < 0 || totalMs < 0) {
    LastResult = ResultBadTimeouts;
    return 0;
  }
  if (!OpenAndGreet(port, interByteMs, totalMs, attempts)) {
    ReleasePort();
    return 0;
  }
  Connected = 1;
  StateValid = 0;
  LogLoaded = 0;
  Status.SuperUser = 0;
  LastResult = 0;

  if (!SendCommand(kReadEepromStatus, 0, 7, {}, nullptr, Answer.data())) {
    MapRefusal(ResultEepromStatusRefused);
    Disconnect();
    return 0;
  }
  Status.EepromRead = Answer[1];
  Status.FactoryAreaOk = Answer[2];
  Status.ConfigAreaOk = Answer[3];
  Status.LoopAreaOk = Answer[4];
  Status.WrongConfiguration = Answer[6];
  Status.SuperUser = Answer[7];

  // Without a readable, rightly configured factory area there is no image to load.
  if (Status.EepromRead != 1 || Status.WrongConfiguration != 0 || Status.FactoryAreaOk != 1)
    return 1;
  if (!LoadImageAndLogHeader()) return 0;

  if (AreaValid(EepromImage.data(), memory::kFactoryArea))
    Info = DecodeDeviceInfo(EepromImage.data() + memory::kFactoryArea.start);
  else
    Status.FactoryAreaOk = 0;
  if (Status.ConfigAreaOk == 1 && !AreaValid(EepromImage.data(), memory::kConfigArea))
    Status.ConfigAreaOk = 0;
  if (Status.LoopAreaOk == 1 && !AreaValid(EepromImage.data(), memory::kLoopArea))
    Status.LoopAreaOk = 0;
  bool headerOk = AreaValid(LogHeader.data(), memory::kLogHeaderArea);
  for (int i = 0; i < 4; ++i) State.OperatingHours[i] = headerOk ? LogHeader[i] : 0;
  return 1;
}

int TKV::LoadImageAndLogHeader() {
  LastResult = 0;
  if (ReadMemoryInto(0, memory::kImageSize, EepromImage.data()) &&
      ReadMemoryInto(memory::kLogHeaderAddress, memory::kLogHeaderSize, LogHeader.data()))
    return 1;
  Status.EepromRead = 0;
  Status.FactoryAreaOk = 0;
  Status.ConfigAreaOk = 0;
  Status.LoopAreaOk = 0;
  MapRefusal(ResultEepromRefused);
  return 0;
}

int TKV::Disconnect() {
  if (!Connected) {
    LastResult = 0;
    return 0;
  }
  ReleasePort();
  return 1;
}

int TKV::GetRestartPending() {
  if (!Connected) {
    LastResult = ResultNotConnected;
    return 0;
  }
  if (Status.WrongConfiguration == 1) {
    LastResult = ResultEepromRefused;
    return 0;
  }
  RestartPending = 0;
  LastResult = 0;
  if (!SendCommand(kQueryRestart, 0, 1, {}, nullptr, Answer.data())) {
    MapRefusal(ResultUnknown);
    return -1;
  }
  if (Answer[1] == 0) return 0;
  RestartPending = 1;
  uint8_t mode = 0;
  if (!ReadMemoryInto(memory::kRestartModeAddress, 1, &mode)) {
    MapRefusal(ResultEepromRefused);
    return -1;
  }
  if (mode != 0) RestartPending = 2;
  return RestartPending;
}
