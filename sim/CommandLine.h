#pragma once
#include <string>
#include <vector>

#include "DetectorOptions.h"
#include "Fault.h"

namespace sim {

struct CommandLine {
  DetectorOptions detector;
  std::vector<unsigned> coms;
  std::vector<std::string> links;
  std::vector<Fault> faults;
  bool help = false;
  bool version = false;
};

// Parses the arguments of vorenxr-sim (argv[0] excluded). On a bad argument
// returns false with a message naming it.
bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& out, std::string& error);

// A fault written KIND[:COMMAND[:COUNT[:PARAM]]].
bool ParseFault(const std::string& text, Fault& fault, std::string& error);

// A press written NAME:AT[:FOR] (milliseconds; without FOR never released).
bool ParsePress(const std::string& text, ScheduledPress& press);

extern const char kUsage[];

}  // namespace sim
