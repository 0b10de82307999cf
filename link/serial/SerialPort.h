#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// The portable serial layer: one small interface, one backend per operating
// system. TKV above it owns the protocol (attempt budget, framing, result codes);
// this layer only opens, configures, writes and performs one timed read call.
namespace serial {

struct LineSettings {
  uint32_t baudRate = 38400;
  uint8_t byteSize = 8;
  uint8_t parity = 0;    // 0 = none
  uint8_t stopBits = 0;  // 0 = one stop bit
};

// The step an open failed at; TKV turns each into its ErrorText.
enum class OpenStep { None, Open, GetSettings, SetSettings, GetTimeouts, SetTimeouts };

struct OpenResult {
  OpenStep failedStep = OpenStep::None;
  int error = 0;  // errno of the failing call
  bool ok() const { return failedStep == OpenStep::None; }
};

struct IoResult {
  size_t count = 0;   // bytes moved before the call returned
  bool failed = false;  // the port failed or the device went away
  int error = 0;        // errno when failed
};

class SerialPort {
 public:
  virtual ~SerialPort() = default;

  virtual OpenResult Open(const std::string& devicePath, const LineSettings& line) = 0;
  virtual bool IsOpen() const = 0;
  virtual void Close() = 0;

  // Throws away whatever the device sent that nobody has read yet.
  virtual void DiscardInput() = 0;

  // Writes all bytes, or fails once timeoutMs has passed.
  virtual IoResult Write(const uint8_t* bytes, size_t count, int timeoutMs) = 0;

  // One read call: returns as soon as count bytes are in, or interByteMs after
  // the last byte once one has arrived, or after totalMs. Fewer bytes (even
  // none) without failure is a time-out; a vanished device is a failure.
  virtual IoResult Read(uint8_t* bytes, size_t count, int interByteMs, int totalMs) = 0;
};

std::unique_ptr<SerialPort> CreateSerialPort();

// True when a failed call's error means the device itself went away (hang-up,
// an unplugged USB adapter, the detector's side of the line closed), not that
// one exchange went wrong: only closing and opening the port again can help.
bool IsDeviceGone(int error);

}  // namespace serial
