#pragma once

namespace sim {

// A misbehaviour of the line or of the detector, applied to matching requests.
enum class FaultKind { Refuse, Silent, Short, Long, BadChecksum, Split, Delay, Garbage, DropLine };

struct Fault {
  FaultKind kind;
  int command = -1;  // -1: any command
  int count = 1;     // next N matching requests; -1: every one
  int param = 0;     // ms for Delay and Split, bytes for Short, Long and Garbage
};

}  // namespace sim
