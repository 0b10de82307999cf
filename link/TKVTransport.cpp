// The lowest layer of TKV: open the port by COM number, one request out, one
// answer of known length back, close.
#include <grp.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

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
    default: return nullptr;
  }
}

// A user who may not open the device learns which group grants it.
std::string PermissionHint(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return ": permission denied";
  const group* g = getgrgid(st.st_gid);
  std::string name = g ? g->gr_name : std::to_string(st.st_gid);
  return ": permission denied, the user must be in group '" + name + "' (" + path + ")";
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

  char invalidHandle[32];
  std::snprintf(invalidHandle, sizeof invalidHandle, "Invalid Handle (%d)", -1);
  std::optional<std::string> path = serial::ResolveComPort(port);
  if (!path) {
    FailWithPortError(invalidHandle, ENOENT);
    return 0;
  }
  Handle = serial::CreateSerialPort();
  serial::OpenResult opened = Handle->Open(*path, {baudRate, byteSize, parity, stopBits});
  if (opened.ok()) return 1;
  if (const char* stepText = StepText(opened.failedStep)) {
    FailWithPortError(stepText, opened.error);
    return 0;
  }
  std::string text = invalidHandle;
  if (opened.error == EACCES || opened.error == EPERM) text += PermissionHint(*path);
  FailWithPortError(text.c_str(), opened.error);
  return 0;
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
      FailWithPortError("Read error", got.error);
      return 0;
    }
    received += static_cast<int>(got.count);
  }
  if (received < answerLength) {
    LastResult = ResultTimeout;
    return 0;
  }
  // Bytes already waiting beyond the expected length make the answer too long.
  uint8_t surplus[64];
  serial::IoResult extra = Handle->Read(surplus, sizeof surplus, 0, 0);
  *lastReadCount = received + static_cast<int>(extra.count);
  return 1;
}

void TKV::ClosePort() {
  if (Handle) Handle->Close();
  Handle.reset();
}

void TKV::ReleasePort() {
  ClosePort();
  PortOpen = 0;
  Connected = 0;
}
