#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "Fault.h"
#include "commands/Command.h"

namespace sim {

class DeviceModel;

// What goes back on the line for one request: after delayMs, the bytes in
// pieces of pieceSize with pauseMs between them. Or the line is dropped. A
// reply held for the next request goes out as soon as that request has come
// in, and its answer follows heldGapMs later.
struct Reply {
  std::vector<uint8_t> bytes;
  int delayMs = 0;
  size_t pieceSize = 0;  // 0: in one piece
  int pauseMs = 0;
  bool dropLine = false;
  bool heldForNext = false;
  int heldGapMs = 0;
};

// The detector's answer to a request: acknowledged with its data, or refused
// (status 0, the full answer length) when the request is damaged, unknown or
// not acceptable.
std::vector<uint8_t> Answer(const Request& request, DeviceModel& model);

// The answer as a fault bends it. A request met by a refusal, silence, an
// echo or a dropped line is not carried out.
Reply ShapeReply(const Request& request, DeviceModel& model, const std::optional<Fault>& fault,
                 std::minstd_rand& random);

}  // namespace sim
