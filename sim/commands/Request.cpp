#include "commands/Command.h"

namespace sim {

bool Request::headerOk() const { return frame::Checksum(bytes, 15) == bytes[15]; }

// Only bytes that arrived are summed: a header announcing more than 1024 data
// bytes arrives on its own, and the detector refuses it.
bool Request::dataOk() const {
  int n = dataLength();
  if (n == 0) return true;
  return n <= frame::kMaxData && length == frame::kHeaderSize + n + 1 &&
         frame::Checksum(data(), static_cast<size_t>(n)) == data()[n];
}

}  // namespace sim
