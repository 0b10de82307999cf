#pragma once

namespace sim {

// A misbehaviour of the line or of the detector, applied to matching requests.
// StoreDifferent acknowledges a memory write (4, 5, extended 5) but stores
// every byte with its lowest bit inverted, as a failing EEPROM would.
// Echo, Flood, Trickle and LateNext are a hostile line: the request comes
// back, noise runs on, the answer crawls, or it turns up during the next
// transaction, just ahead of that one's own answer.
enum class FaultKind {
  Refuse,
  Silent,
  Short,
  Long,
  BadChecksum,
  Split,
  Delay,
  Garbage,
  DropLine,
  StoreDifferent,
  Echo,
  Flood,
  Trickle,
  LateNext
};

struct Fault {
  FaultKind kind;
  int command = -1;  // -1: any command
  int count = 1;     // next N matching requests; -1: every one
  int param = 0;     // ms for Delay, Split, Flood, Trickle and LateNext,
                     // bytes for Short, Long and Garbage
};

}  // namespace sim
