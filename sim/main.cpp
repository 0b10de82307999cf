// vorenxr-sim: the simulated detector as a program of its own.
#include <signal.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "SimulatedDetector.h"

int main(int argc, char** argv) {
  sim::CommandLine options;
  std::string error;
  if (!sim::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
    std::cerr << "vorenxr-sim: " << error << "\nTry 'vorenxr-sim --help'.\n";
    return 2;
  }
  if (options.help) {
    std::cout << sim::kUsage;
    return 0;
  }
  if (options.version) {
    std::cout << "vorenxr-sim " VORENXR_VERSION "\n";
    return 0;
  }

  // Blocked before the serving thread exists, so only sigwait below receives them.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  sim::SimulatedDetector detector(options.detector);
  for (const sim::Fault& fault : options.faults) detector.InjectFault(fault);
  if (!detector.Start(&error)) {
    std::cerr << "vorenxr-sim: " << error << "\n";
    return 1;
  }
  for (const std::string& link : options.links)
    if (!detector.AddLink(link, &error)) {
      std::cerr << "vorenxr-sim: " << error << "\n";
      return 1;
    }
  for (unsigned com : options.coms)
    if (!detector.RegisterCom(com, &error)) {
      std::cerr << "vorenxr-sim: " << error << "\n";
      return 1;
    }

  std::cout << detector.SlavePath() << "\n";
  for (unsigned com : options.coms) std::cout << "COM" << com << "\n";
  std::cout.flush();

  int received = 0;
  sigwait(&stopSignals, &received);
  return 0;  // the detector stops and removes its links on the way out
}
