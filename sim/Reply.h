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

// What goes back on the line for one request: after delayMs, bytes[0..splitAt),
// then after pauseMs the rest. Or the line is dropped.
struct Reply {
  std::vector<uint8_t> bytes;
  int delayMs = 0;
  size_t splitAt = 0;  // 0: in one piece
  int pauseMs = 0;
  bool dropLine = false;
};

// The detector's answer to a request: acknowledged with its data, or refused
// (status 0, the full answer length) when the request is damaged, unknown or
// not acceptable.
std::vector<uint8_t> Answer(const Request& request, DeviceModel& model);

// The answer as a fault bends it. A request met by a refusal, silence or a
// dropped line is not carried out.
Reply ShapeReply(const Request& request, DeviceModel& model, const std::optional<Fault>& fault,
                 std::minstd_rand& random);

}  // namespace sim
