#include "commands/Command.h"

namespace sim {

bool Request::headerOk() const { return frame::Checksum(bytes, 15) == bytes[15]; }

bool Request::dataOk() const {
  int n = dataLength();
  return n == 0 || frame::Checksum(data(), static_cast<size_t>(n)) == data()[n];
}

}  // namespace sim
