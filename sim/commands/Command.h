#pragma once
#include <cstdint>

#include "Frame.h"

namespace sim {

class DeviceModel;

// A complete request frame as received.
struct Request {
  const uint8_t* bytes;
  int length;

  uint8_t code() const { return bytes[0]; }
  int dataLength() const { return bytes[1] << 8 | bytes[2]; }
  uint8_t param(int k) const { return bytes[2 + k]; }  // P1..P12
  const uint8_t* data() const { return bytes + frame::kHeaderSize; }
  int address() const { return param(1) | param(2) << 8; }  // P1, P2 of the memory commands
  int count() const { return param(3) | param(4) << 8; }    // P3, P4
  bool headerOk() const;
  bool dataOk() const;  // also true when the request carries no data
};

// One command of the detector: how many answer data bytes it returns (M) and
// what it does. run fills the M answer bytes; false refuses the request.
struct CommandHandler {
  int (*answerLength)(const Request&);
  bool (*run)(const Request&, DeviceModel&, uint8_t* answer);
};

template <int M>
int Fixed(const Request&) {
  return M;
}

// nullptr for a code the detector does not know.
const CommandHandler* FindCommand(uint8_t code);

}  // namespace sim
