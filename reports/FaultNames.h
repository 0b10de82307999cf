#pragma once
#include <array>

// The short name of each fault and alert flag in the state report, in report
// order, with the flag code it tests.
struct FaultName {
  const char* text;
  int code;
};

extern const std::array<FaultName, 38> kFaultNames;
