#pragma once
#include <optional>
#include <string>
#include <vector>

// COM numbers on Linux. COMn is a link named "COMn" in the port directory, or
// else the n-th serial device of the machine in a stable order.
namespace serial {

struct ComPortEntry {
  unsigned number = 0;
  std::string devicePath;   // what Connect opens
  std::string description;  // USB product where known, "simulated detector", else empty
};

// $VORENXR_PORTS_DIR, else $XDG_RUNTIME_DIR/vorenxr/ports, else /tmp/vorenxr-<uid>/ports.
std::string ComPortDirectory();

// The COM table exactly as Connect resolves it, ordered by number.
std::vector<ComPortEntry> ListComPorts();

std::optional<std::string> ResolveComPort(unsigned number);

// The device a resolved port leads to, links followed: /dev/pts/3 for the
// simulator's COM5. A link to nothing gives the path it names.
std::string DeviceBehind(const std::string& path);

// The simulated detector answers on a pseudo-terminal; no detector cable does.
bool IsSimulatedLine(const std::string& device);

// The order of the machine's serial devices: digit runs compare as numbers of any
// length, so "ttyUSB2" comes before "ttyUSB10".
bool NaturalLess(const std::string& a, const std::string& b);

}  // namespace serial
