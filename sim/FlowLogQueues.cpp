#include "FlowLogQueues.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace sim {
namespace {

constexpr int kRecordSize = 2 * kFlowLogValues;
constexpr int kChannelStart[2] = {2, 2 + FlowLogQueues::kSlots * kRecordSize};
constexpr int kMaxFanSpeed = 10;
// Each measurement closes this share of the gap between the air flow and the fan speed.
constexpr double kFlowLag = 0.25;
// A record the detector made has 1 in the high byte of its index; an empty slot is all zero.
constexpr uint16_t kMadeRecord = 0x0100;
constexpr double kThermistorCycleSeconds = 120;
constexpr double kPi = 3.14159265358979323846;

// Every value stays strictly inside the span the tool's graph shows it in.
uint16_t Inside(double value, int lo, int hi) {
  return static_cast<uint16_t>(std::clamp(static_cast<int>(std::lround(value)), lo + 1, hi - 1));
}

}  // namespace

FlowLogQueues::FlowLogQueues(int channels, Clock::time_point start)
    : channelCount_(channels == 1 ? 1 : 2), start_(start), nextMeasurement_(start + kMeasurePeriod) {
  for (int ch = 0; ch < 2; ++ch) channels_[ch].noise = 0x9E3779B9u + static_cast<uint32_t>(ch);
}

void FlowLogQueues::Queue(int channel, const FlowLogRecord& record) {
  Channel& c = channels_[channel];
  if (c.fresh == kSlots) {
    std::move(c.records.begin() + 1, c.records.end(), c.records.begin());
    c.records[kSlots - 1] = record;
    return;
  }
  c.records[c.fresh++] = record;
}

void FlowLogQueues::Read(Clock::time_point now, int fan1Speed, int fan2Speed, uint8_t* answer) {
  if (measuring_) MeasureUntil(now);
  std::memset(answer, 0, kAnswerSize);
  for (int ch = 0; ch < 2; ++ch) {
    Channel& c = channels_[ch];
    answer[ch] = static_cast<uint8_t>(c.reported < 0 ? c.fresh : c.reported);
    for (int k = 0; k < kSlots; ++k) {
      uint8_t* out = answer + kChannelStart[ch] + k * kRecordSize;
      for (int v = 0; v < kFlowLogValues; ++v) {
        out[2 * v] = static_cast<uint8_t>(c.records[k][v] >> 8);
        out[2 * v + 1] = static_cast<uint8_t>(c.records[k][v]);
      }
    }
    c.records.fill(FlowLogRecord{});
    c.fresh = 0;
    c.reported = -1;
  }
  channels_[0].fan = std::clamp(fan1Speed, 0, kMaxFanSpeed);
  channels_[1].fan = std::clamp(fan2Speed, 0, kMaxFanSpeed);
}

void FlowLogQueues::MeasureUntil(Clock::time_point now) {
  // Only the newest records of a long pause survive in the queue.
  const Clock::time_point earliest = now - (kSlots + 1) * kMeasurePeriod;
  if (nextMeasurement_ < earliest)
    nextMeasurement_ += (earliest - nextMeasurement_) / kMeasurePeriod * kMeasurePeriod;
  for (; nextMeasurement_ <= now; nextMeasurement_ += kMeasurePeriod) {
    const double seconds = std::chrono::duration<double>(nextMeasurement_ - start_).count();
    for (int ch = 0; ch < channelCount_; ++ch) Queue(ch, Measure(ch, seconds));
  }
}

// A small deterministic jitter in -amplitude..amplitude (xorshift).
int FlowLogQueues::Noise(Channel& c, int amplitude) {
  c.noise ^= c.noise << 13;
  c.noise ^= c.noise >> 17;
  c.noise ^= c.noise << 5;
  return static_cast<int>(c.noise % static_cast<uint32_t>(2 * amplitude + 1)) - amplitude;
}

// The outgoing (A) and return (R) flight times part further the faster the
// air flows; the spread of A (dA) and the fan drive (pulse) grow with the
// flow; the thermistor reading (dR) drifts slowly with the air temperature.
FlowLogRecord FlowLogQueues::Measure(int channel, double seconds) {
  Channel& c = channels_[channel];
  c.flow += (c.fan - c.flow) * kFlowLag;
  const bool settled = std::abs(c.fan - c.flow) < 0.5;
  const uint16_t a = Inside(21500 + 200 * channel - 40 * c.flow + Noise(c, 25), 20500, 25000);
  const uint16_t r = Inside(a + 150 + 200 * c.flow + Noise(c, 20), 20500, 25000);
  const uint16_t difference = static_cast<uint16_t>(r - a);
  if (c.total == 0) {
    c.filteredA = a;
    c.filteredR = r;
    c.lastDifference = difference;
  }
  c.filteredA += (a - c.filteredA) / 8;
  c.filteredR += (r - c.filteredR) / 8;
  const int change = std::abs(difference - c.lastDifference);
  c.filteredChange += (change - c.filteredChange) / 4;
  c.lastDifference = difference;
  if (settled)
    ++c.stable;
  else
    ++c.unstable;
  ++c.total;
  if (change > 60) ++c.discarded;
  const double thermistor = 220 + 40 * std::sin(2 * kPi * seconds / kThermistorCycleSeconds);
  const uint16_t pulse = c.fan == 0 ? 0 : Inside(20 + 11 * c.flow + Noise(c, 2), 0, 140);
  return {static_cast<uint16_t>(kMadeRecord | (c.sequence++ & 0xFF)),
          a,
          r,
          static_cast<uint16_t>(std::lround(c.filteredA)),
          static_cast<uint16_t>(std::lround(c.filteredR)),
          Inside(80 + 45 * c.flow + Noise(c, 10), 0, 600),
          Inside(thermistor + Noise(c, 3), 50, 400),
          difference,
          static_cast<uint16_t>(c.fan),
          c.stable,
          c.unstable,
          pulse,
          c.total,
          c.discarded,
          static_cast<uint16_t>(settled ? 1 : 0),
          static_cast<uint16_t>(change),
          static_cast<uint16_t>(std::lround(c.filteredChange)),
          static_cast<uint16_t>(std::chrono::duration_cast<std::chrono::milliseconds>(kMeasurePeriod).count())};
}

}  // namespace sim
