// Round trip of TKV::SendCommand against a raw write/read of the same bytes on
// the same pseudo-terminal, with the simulated detector answering both.
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <filesystem>
#include <vector>
#include <string>

#include "Frame.h"
#include "SimulatedDetector.h"
#include "TKV.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRounds = 500;
constexpr int kTrials = 7;  // alternated, the median of each side is reported
constexpr unsigned kCom = 9;

struct Command {
  const char* name;
  uint8_t code;
  frame::Params params;
  int answerData;
};

double MicrosPerRound(Clock::time_point start) {
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / kRounds;
}

double TimeTkv(const Command& c) {
  TKV tkv;
  if (!tkv.Connect(kCom, 0, 0, 0)) {
    std::fprintf(stderr, "connect failed: %d\n", tkv.GetLastResult());
    std::exit(1);
  }
  uint8_t answer[frame::kMaxAnswer];
  auto start = Clock::now();
  for (int i = 0; i < kRounds; ++i)
    if (!tkv.SendCommand(c.code, 0, c.answerData, c.params, nullptr, answer)) {
      std::fprintf(stderr, "%s failed: %d\n", c.name, tkv.GetLastResult());
      std::exit(1);
    }
  return MicrosPerRound(start);
}

// The least a program can do: write the request, wait until the answer's bytes are in.
double TimeRaw(const std::string& path, const Command& c) {
  int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  termios tio{};
  tcgetattr(fd, &tio);
  cfmakeraw(&tio);
  tcsetattr(fd, TCSANOW, &tio);
  uint8_t request[frame::kMaxRequest], answer[frame::kMaxAnswer];
  int length = frame::BuildRequest(c.code, 0, c.params, nullptr, request);
  const int expected = frame::AnswerLength(c.answerData);
  auto start = Clock::now();
  for (int i = 0; i < kRounds; ++i) {
    if (write(fd, request, static_cast<size_t>(length)) != length) std::exit(1);
    for (int got = 0; got < expected;) {
      pollfd p{fd, POLLIN, 0};
      poll(&p, 1, 1000);
      ssize_t n = read(fd, answer + got, static_cast<size_t>(expected - got));
      if (n > 0) got += static_cast<int>(n);
    }
  }
  double us = MicrosPerRound(start);
  close(fd);
  return us;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main() {
  char dir[] = "/tmp/vorenxr-bench-XXXXXX";
  if (!mkdtemp(dir)) return 1;
  setenv("VORENXR_PORTS_DIR", dir, 1);
  sim::SimulatedDetector detector;
  std::string error;
  if (!detector.Start(&error) || !detector.RegisterCom(kCom, &error)) {
    std::fprintf(stderr, "simulator: %s\n", error.c_str());
    return 1;
  }
  const Command commands[] = {
      {"QueryRestart", 35, {}, 1},
      {"ReadMemory 512", 3, {0x00, 0x00, 0x00, 0x02}, 512},
  };
  std::printf("%-16s %12s %12s %8s\n", "command", "TKV us", "raw us", "ratio");
  for (const Command& c : commands) {
    std::vector<double> tkvTimes, rawTimes;
    for (int t = 0; t < kTrials; ++t) {
      tkvTimes.push_back(TimeTkv(c));
      rawTimes.push_back(TimeRaw(detector.SlavePath(), c));
    }
    double tkv = Median(tkvTimes);
    double raw = Median(rawTimes);
    std::printf("%-16s %12.1f %12.1f %8.3f\n", c.name, tkv, raw, tkv / raw);
  }
  std::printf("goal: ratio under 1.10; a round trip far above the raw one would mean a wait "
              "for the inter-byte time-out\n");
  detector.Stop();
  std::filesystem::remove_all(dir);
  return 0;
}
