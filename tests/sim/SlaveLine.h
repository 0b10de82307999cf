#pragma once
// The tool's end of the simulated detector's line, with plain POSIX calls.
#include <cstdint>
#include <string>
#include <vector>

#include "Frame.h"

namespace simtest {

using Bytes = std::vector<uint8_t>;

class SlaveLine {
 public:
  explicit SlaveLine(const std::string& path);  // opens raw, 38400 8N1
  ~SlaveLine();
  SlaveLine(const SlaveLine&) = delete;
  SlaveLine& operator=(const SlaveLine&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  void Write(const Bytes& bytes);
  // Reads until `count` bytes are in or `timeoutMs` passes; returns what came.
  Bytes Read(size_t count, int timeoutMs = 1000);
  // Writes the request and reads an answer of the given length.
  Bytes Exchange(const Bytes& request, size_t answerLength, int timeoutMs = 1000);
  // True when the line reports a hang-up or an error within the time.
  bool SeesHangup(int timeoutMs);

 private:
  int fd_ = -1;
};

// A request frame for the code, its parameters P1.. and data.
Bytes RequestFrame(uint8_t code, std::vector<uint8_t> params = {}, const Bytes& data = {});
Bytes ReadMemoryRequest(int address, int count);
Bytes WriteMemoryRequest(int address, const Bytes& data);
// Command 36 with parameter values 0.. and its 1024 data bytes zero.
Bytes ExtendedRequest(std::vector<uint8_t> values);

// The acknowledged answer carrying these data bytes.
Bytes Acknowledged(const Bytes& data = {});

}  // namespace simtest
