// The lowest layer of TKV: open the port by COM number, one request out, one
// answer of known length back, close.
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "SuspectLines.h"
#include "TKV.h"
#include "serial/PortDirectory.h"
#include "serial/SerialPort.h"

namespace {

const char* StepText(serial::OpenStep step) {
  switch (step) {
    case serial::OpenStep::GetSettings: return "Error trying to get control setting information";
    case serial::OpenStep::SetSettings: return "Error trying to set control setting information";
    case serial::OpenStep::GetTimeouts: return "Error trying to get time-out information";
    case serial::OpenStep::SetTimeouts: return "Error trying to set time-out information";
    default: return nullptr;  // the open itself
  }
}

}  // namespace

void TKV::FailWithPortError(const char* text, int error) {
  std::snprintf(ErrorText.data(), ErrorText.size(), "%s", text);
  WindowsError = static_cast<uint32_t>(error);
  LastResult = ResultWindowsError;
}

bool TKV::GetErrorText(char* buffer) const {
  if (LastResult != ResultWindowsError) return false;
  std::memcpy(buffer, ErrorText.data(), ErrorText.size());
  return true;
}

int TKV::OpenPort(unsigned port, uint32_t baudRate, uint8_t byteSize, uint8_t parity,
                  uint8_t stopBits, int interByteMs, int totalMs) {
  ClosePort();
  if (port == 0 || port > 255) {
    LastResult = ResultInvalidPort;
    return 0;
  }
  InterByteMs = interByteMs;
  TotalMs = totalMs;

  PortNumber = port;
  std::optional<std::string> path = serial::ResolveComPort(port);
  PortDevice = path ? serial::DeviceBehind(*path) : std::string();
  if (!path) return FailToOpen(nullptr, ENOENT);
  Handle = serial::CreateSerialPort();
  serial::OpenResult opened = Handle->Open(*path, {baudRate, byteSize, parity, stopBits});
  if (opened.ok()) {
    LineSuspect = suspectlines::IsSuspect(PortDevice);
    return 1;
  }
  return FailToOpen(StepText(opened.failedStep), opened.error);
}

int TKV::Exchange(const uint8_t* request, int requestLength, uint8_t* answer, int answerLength,
                  int* lastReadCount) {
  *lastReadCount = 0;
  if (!ArgumentOk(frame::FrameLengthsFit(requestLength, answerLength))) return 0;
  if (!Handle || !Handle->IsOpen()) {
    FailWithPortError("Write error", EBADF);
    return 0;
  }
  // A late answer of a transaction that gave up must never pass for this one's.
  Handle->DiscardInput();
  if (LineSuspect && !SettleLine()) return 0;
  serial::IoResult written =
      Handle->Write(request, static_cast<size_t>(requestLength), TotalMs);
  if (written.failed || written.count < static_cast<size_t>(requestLength)) {
    FailWithPortError("Write error", written.error);
    return 0;
  }
  int received = 0;
  for (int attempts = ReadAttempts; received < answerLength && attempts > 0; --attempts) {
    serial::IoResult got = Handle->Read(answer + received,
                                        static_cast<size_t>(answerLength - received),
                                        InterByteMs, TotalMs);
    if (got.failed) {
      FailRead(got.error);
      return 0;
    }
    received += static_cast<int>(got.count);
  }
  if (received < answerLength) {
    LineSuspect = true;
    LastResult = ResultTimeout;
    return 0;
  }
  // Bytes beyond the expected length make the answer too long. On a healthy line only those
  // already waiting count; on a suspect line what came may be a late answer with the real one
  // right behind it, so the real one gets the inter-byte time to show.
  const int surplusWaitMs = LineSuspect ? InterByteMs : 0;
  uint8_t surplus[64];
  serial::IoResult extra = Handle->Read(surplus, sizeof surplus, surplusWaitMs, surplusWaitMs);
  LineSuspect = extra.count > 0;
  *lastReadCount = received + static_cast<int>(extra.count);
  return 1;
}

void TKV::FailRead(int error) {
  // A device that went away leaves no line to settle; any other failure may leave bytes behind.
  if (!serial::IsDeviceGone(error)) LineSuspect = true;
  FailWithPortError("Read error", error);
}

int TKV::SettleLine() {
  // Bounded by the total time-out, so a line that never stops talking cannot hold us. Each
  // read lasts at most the inter-byte time: bytes that one returns past the total time-out
  // plus that time came after the total time-out.
  const auto deadline = std::chrono::steady_clock::now() +
                        std::chrono::milliseconds(TotalMs + InterByteMs);
  uint8_t scrap[64];
  for (;;) {
    serial::IoResult got = Handle->Read(scrap, sizeof scrap, InterByteMs, InterByteMs);
    if (got.failed) {
      FailRead(got.error);
      return 0;
    }
    if (got.count == 0) return 1;
    if (std::chrono::steady_clock::now() >= deadline) {
      LastResult = ResultTimeout;
      return 0;
    }
  }
}

void TKV::ClosePort() {
  if (Handle && Handle->IsOpen()) {
    suspectlines::Remember(PortDevice, LineSuspect);
    Handle->Close();
  }
  Handle.reset();
}

void TKV::ReleasePort() {
  ClosePort();
  PortOpen = 0;
  Connected = 0;
  LinkLost = 0;
}
