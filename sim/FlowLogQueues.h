#pragma once
#include <array>
#include <chrono>
#include <cstdint>

namespace sim {

// One raw air-flow measurement: 18 values, sent big-endian in 36 bytes. In
// order: index, A, R, fA, fR, dA, dR, dR-A, fan, #stb, #unst, pulse, #tot,
// #dis, ok?, dfRA, fdfRA, meas.
constexpr int kFlowLogValues = 18;
using FlowLogRecord = std::array<uint16_t, kFlowLogValues>;

// The detector's flow-log queues (command 26). Each channel measures its air
// flow every kMeasurePeriod and keeps the records in ten slots: the records
// since the last read fill the slots from slot 0, and a read hands over all
// ten slots with the number of records in them, then empties them. A queue
// that is full drops its oldest record. The fans run at the speeds the last
// read asked for, and the measurements follow them with some lag.
class FlowLogQueues {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr Clock::duration kMeasurePeriod = std::chrono::milliseconds(50);
  static constexpr int kSlots = 10;
  static constexpr int kAnswerSize = 1024;

  // A detector with one channel never fills the queue of channel 2.
  explicit FlowLogQueues(int channels, Clock::time_point start = Clock::now());

  // Command 26 at `now`: the measurements due until then are queued, the
  // answer (kAnswerSize bytes) written and the queues handed over; from now
  // on the fans run at the given speeds (0..10, more counts as 10).
  void Read(Clock::time_point now, int fan1Speed, int fan2Speed, uint8_t* answer);

  // The detector stops measuring by itself, so that a test can queue the
  // records it wants with Queue.
  void StopMeasuring() { measuring_ = false; }
  void Queue(int channel, const FlowLogRecord& record);
  // The next read reports this many valid records of the channel, whatever
  // its slots hold, as a detector that lists fewer records than it sends.
  void ReportValidCount(int channel, int count) { channels_[channel].reported = count; }

  int fanSpeed(int channel) const { return channels_[channel].fan; }

 private:
  struct Channel {
    std::array<FlowLogRecord, kSlots> records{};
    int fresh = 0;
    int reported = -1;  // -1: the number of fresh records
    int fan = 5;
    double flow = 5;  // where the air flow has got to on its way to the fan speed
    double filteredA = 0, filteredR = 0, filteredChange = 0;
    uint16_t lastDifference = 0;
    uint16_t sequence = 0, stable = 0, unstable = 0, total = 0, discarded = 0;
    uint32_t noise = 0;
  };

  void MeasureUntil(Clock::time_point now);
  FlowLogRecord Measure(int channel, double seconds);
  static int Noise(Channel& c, int amplitude);

  std::array<Channel, 2> channels_;
  int channelCount_;
  bool measuring_ = true;
  Clock::time_point start_, nextMeasurement_;
};

}  // namespace sim
