#include "LogHistory.h"

#include <ctime>
#include <initializer_list>
#include <iterator>

#include "Variants.h"

namespace sim {
namespace {

// What happens between two trend records; codes as the detector logs them.
struct Episode {
  std::vector<uint8_t> events;
  bool secondChannel;  // only on a two-channel detector
};

const Episode kEpisodes[] = {
    {{13, 14}, false},                              // prealarm 1 and back
    {{13, 11, 38, 40, 36, 12, 46, 48, 14}, false},  // alarm 1, sounders silenced
    {{123, 42, 173, 50}, false},                    // flow 1 below limit
    {{109, 159}, false},                            // supply dip
    {{10, 7, 35, 19}, false},                       // reset and restart
    {{37}, false},                                  // clock set
    {{17, 18}, true},                               // prealarm 2 and back
    {{136, 42, 186, 50}, true},                     // flow 2 below limit
};

class Recorder {
 public:
  explicit Recorder(const Surroundings& around) : around_(around) {}

  void Record(uint8_t code) {
    std::tm t{};
    gmtime_r(&time_, &t);
    const bool alarm = code == 11 || code == 15 || code == 38 || code == 40;
    const int lowFlowChannel = code == 123 ? 0 : code == 136 ? 1 : -1;
    const bool lowSupply = code == 109;
    LogEntry e{};
    e[0] = code;
    e[1] = static_cast<uint8_t>(t.tm_mday);
    e[2] = static_cast<uint8_t>(t.tm_mon + 1);
    e[3] = static_cast<uint8_t>(t.tm_year % 100);
    e[4] = static_cast<uint8_t>(t.tm_hour);
    e[5] = static_cast<uint8_t>(t.tm_min);
    e[6] = static_cast<uint8_t>(t.tm_sec);
    e[7] = static_cast<uint8_t>(150 + Jitter(4));                      // about 25 °C
    e[8] = static_cast<uint8_t>((lowSupply ? 105 : 140) + Jitter(2));  // 24 V, 20.5 V in a dip
    e[9] = static_cast<uint8_t>(139 + Jitter(2));
    for (int ch = 0; ch < 2; ++ch) {
      bool present = ch < around_.channels;
      int flow = around_.referenceFlow[ch] + Jitter(3) - (ch == lowFlowChannel ? 40 : 0);
      e[10 + ch] = present ? static_cast<uint8_t>(flow) : 0;
      uint8_t sensor = TraitsOf(around_.variant).sensorInLog;
      if (alarm && ch == 0) sensor = around_.variant == Variant::StandAlone ? 15 : 1;
      e[12 + ch] = present ? sensor : 0;
    }
    entries_.push_back(e);
    time_ += 17 + Next() % 180;  // the events of one episode follow each other closely
  }

  void NextHour() { time_ = (time_ / 3600 + 1) * 3600 + Next() % 7; }

  int Pick(int n) { return static_cast<int>(Next() % static_cast<unsigned>(n)); }
  std::vector<LogEntry>& entries() { return entries_; }

 private:
  int Jitter(int range) { return Pick(2 * range + 1) - range; }
  unsigned Next() {
    seed_ = seed_ * 1103515245u + 12345u;
    return (seed_ >> 16) & 0x7FFF;
  }

  Surroundings around_;
  std::vector<LogEntry> entries_;
  std::time_t time_ = 1683014400;  // 2 May 2023 08:00
  unsigned seed_ = 2023;
};

}  // namespace

std::vector<LogEntry> BuildLogHistory(int entries, const Surroundings& around) {
  Recorder r(around);
  for (uint8_t code : std::initializer_list<uint8_t>{7, 35, 19}) r.Record(code);
  while (static_cast<int>(r.entries().size()) < entries) {
    r.NextHour();
    r.Record(27);
    if (r.Pick(6) != 0) continue;
    const Episode& episode = kEpisodes[r.Pick(static_cast<int>(std::size(kEpisodes)))];
    if (episode.secondChannel && around.channels < 2) continue;
    for (uint8_t code : episode.events) r.Record(code);
  }
  r.entries().resize(static_cast<size_t>(entries));
  return r.entries();
}

LogEntry LiveLogEntry(uint8_t code, const std::tm& when, const LiveState& live, Variant variant) {
  LogEntry e{};
  const int fields[7] = {code,         when.tm_mday, when.tm_mon + 1, when.tm_year % 100,
                         when.tm_hour, when.tm_min,  when.tm_sec};
  for (int i = 0; i < 7; ++i) e[static_cast<size_t>(i)] = static_cast<uint8_t>(fields[i]);
  e[7] = live.internalTemperature;
  e[8] = live.supply[0];
  e[9] = live.supply[1];
  for (int ch = 0; ch < 2; ++ch) {
    const ChannelState& c = live.channel[ch];
    e[static_cast<size_t>(10 + ch)] = c.flow;
    e[static_cast<size_t>(12 + ch)] = c.sensorEnabled ? TraitsOf(variant).sensorInLog : 0;
  }
  return e;
}

}  // namespace sim
