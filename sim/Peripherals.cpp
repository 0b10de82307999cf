#include "Peripherals.h"

#include <algorithm>

#include "LiveActions.h"

namespace sim {
namespace {

constexpr auto kTimeUnit = std::chrono::milliseconds(50);
constexpr int kLongestTime = 255;

// Sounder lines: driven, idle with the end-of-line load, idle and open.
constexpr uint16_t kSounderDriven = 900;
constexpr uint16_t kSounderLoaded = 510;
constexpr uint16_t kSounderOpen = 1022;
// A thermistor reads 232 at 25.0 degrees (temperature byte 150), less when warmer.
constexpr int kThermistorAtZeroByte = 382;
constexpr int kMillivoltsPerCount = 35;  // supply dividers: 24.0 V reads 685

constexpr int kTransitCount = 3500;  // 24 MHz counts across a still chamber
constexpr int kSettleDivisor = 4;
constexpr int kRipple[4] = {0, 1, 0, -1};
constexpr int kUnsteadySwing = 30;

constexpr uint8_t kOpenIsolator = 32;
constexpr uint8_t kCloseIsolator = 96;

size_t Index(Switch what) { return static_cast<size_t>(what); }

bool Runs(const LiveState& live, int ch, int channels) {
  return ch < channels && live.channel[ch].enabled;
}

}  // namespace

int DriveAtSpeed(int speed) { return speed <= 0 ? 0 : (505 + 31 * speed) * 10 / 32; }

uint16_t FanFeedback(int drive) { return static_cast<uint16_t>(drive * 32 / 10); }

int FanDrive(const ChannelState& c) { return c.fanDac >= 0 ? c.fanDac : DriveAtSpeed(c.fanSpeed); }

Peripherals::Peripherals(const DetectorOptions& options)
    : soundersLoaded_(!options.soundersUnloaded), unsettled_(options.unsettledDensity) {
  const Clock::time_point start = Clock::now();
  for (SwitchState& s : switches_) s.since = start;
  std::vector<std::pair<Clock::time_point, bool>> changes[5];
  for (const ScheduledPress& p : options.presses) {
    const Clock::time_point at = start + std::chrono::milliseconds(p.atMs);
    changes[Index(p.what)].push_back({at, true});
    if (p.forMs >= 0) changes[Index(p.what)].push_back({at + std::chrono::milliseconds(p.forMs), false});
  }
  for (size_t i = 0; i < switches_.size(); ++i) {
    std::stable_sort(changes[i].begin(), changes[i].end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    switches_[i].scheduled.assign(changes[i].begin(), changes[i].end());
  }
}

void Peripherals::Change(SwitchState& s, bool pressed, Clock::time_point at) {
  if (s.pressed == pressed) return;
  s.pressed = pressed;
  s.since = at;
}

Peripherals::SwitchState& Peripherals::Settled(Switch what) {
  SwitchState& s = switches_[Index(what)];
  const Clock::time_point now = Clock::now();
  while (!s.scheduled.empty() && s.scheduled.front().first <= now) {
    Change(s, s.scheduled.front().second, s.scheduled.front().first);
    s.scheduled.pop_front();
  }
  return s;
}

void Peripherals::Press(Switch what) { Change(Settled(what), true, Clock::now()); }

void Peripherals::Release(Switch what) { Change(Settled(what), false, Clock::now()); }

bool Peripherals::IsPressed(Switch what) { return Settled(what).pressed; }

uint8_t Peripherals::TimeIn(Switch what, bool pressed) {
  const SwitchState& s = Settled(what);
  if (s.pressed != pressed) return 0;
  const auto units = (Clock::now() - s.since) / kTimeUnit;
  return static_cast<uint8_t>(std::min<long long>(units, kLongestTime));
}

uint16_t Peripherals::Analogue(int channel, const LiveState& live, int channels) const {
  auto thermistor = [](uint8_t temperature) {
    return static_cast<uint16_t>(kThermistorAtZeroByte - temperature);
  };
  switch (channel) {
    case kSounder1Ad:
    case kSounder2Ad: {
      const int line = channel - kSounder1Ad;
      if (line >= channels) return 0;
      if (live.relays[static_cast<size_t>(kSounder1Relay + line)]) return kSounderDriven;
      return soundersLoaded_ ? kSounderLoaded : kSounderOpen;
    }
    case kPcbThermistorAd:
      return thermistor(live.internalTemperature);
    case kFlow1ThermistorAd:
    case kFlow2ThermistorAd: {
      const int ch = channel - kFlow1ThermistorAd;
      if (ch >= channels) return 0;
      // A channel that measures nothing still has its thermistor at the board's temperature.
      const uint8_t t = live.channel[ch].flowTemperature;
      return thermistor(t ? t : live.internalTemperature);
    }
    case kFanBack1Ad:
    case kFanBack2Ad: {
      const int ch = channel - kFanBack1Ad;
      return Runs(live, ch, channels) ? FanFeedback(FanDrive(live.channel[ch])) : 0;
    }
    case kPower1Ad:
    case kPower2Ad: {
      const uint8_t b = live.supply[channel - kPower1Ad];
      return b ? static_cast<uint16_t>((b * 100 + 10000) / kMillivoltsPerCount) : 0;
    }
    default:
      return 0;
  }
}

uint16_t Peripherals::MeasureUltra(int way, const LiveState& live, int channels) {
  const size_t w = static_cast<size_t>(way);
  if (!queuedUltra_[w].empty()) {
    const uint16_t count = queuedUltra_[w].front();
    queuedUltra_[w].pop_front();
    return count;
  }
  const int ch = way / 2;
  if (!Runs(live, ch, channels)) return 0;
  // Downstream (A->B) the sound arrives sooner, upstream later.
  const int flow = live.channel[ch].flow;
  const int target = kTransitCount + (way % 2 == 0 ? -flow : flow);
  int& count = ultra_[w];
  if (count == 0) {
    count = target;
  } else {
    const int step = (target - count) / kSettleDivisor;
    count += step != 0 ? step : (target > count) - (target < count);
  }
  const unsigned n = ultraReadings_[w]++;
  const int noise = unsettled_ ? (n % 2 ? kUnsteadySwing : -kUnsteadySwing) : kRipple[n % 4];
  return static_cast<uint16_t>(count + noise);
}

void Peripherals::QueueUltraCounts(int way, const std::vector<uint16_t>& counts) {
  std::deque<uint16_t>& queue = queuedUltra_[static_cast<size_t>(way)];
  queue.insert(queue.end(), counts.begin(), counts.end());
}

void Peripherals::IsolatorCommand(uint8_t value) {
  if (value == kOpenIsolator) isolatorClosed_ = false;
  if (value == kCloseIsolator) isolatorClosed_ = true;
}

}  // namespace sim
