#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "DetectorOptions.h"

namespace sim {

// What a stand-alone detector's smoke sensor tells when it is polled (command 25).
struct SensorReading {
  bool remoteWorking = false;              // its remote output
  std::array<uint16_t, 5> pulseWidths{};  // 65500: time-out, above: sink too long
  uint8_t pollStatus = 0;                  // the sensor's answer to a poll
  uint8_t testStatus = 0;                  // its answer to a remote test
};

constexpr int kSensorPoll = 1;
constexpr int kSensorTest = 2;
constexpr int kSensorAnswerSize = 13;
using SensorAnswer = std::array<uint8_t, kSensorAnswerSize>;

// The two smoke sensors of the detector, as fitted when it leaves the factory:
// one per channel, answering "normal" and passing the remote test on a
// stand-alone detector; a sensor that is not fitted does not answer.
class Sensors {
 public:
  Sensors(Variant variant, int channels);

  SensorReading& sensor(int index) { return sensors_[static_cast<size_t>(index)]; }
  const SensorReading& sensor(int index) const { return sensors_[static_cast<size_t>(index)]; }

  // The answer to a poll or test (kSensorPoll, kSensorTest) of sensor 0 or 1:
  // both remote outputs, the five pulse widths low byte first, the status.
  SensorAnswer Answer(int index, int mode) const;

 private:
  std::array<SensorReading, 2> sensors_;
};

}  // namespace sim
