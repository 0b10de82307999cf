#include "Sensors.h"

#include "Variants.h"

namespace sim {
namespace {

constexpr uint16_t kTimeout = 65500;
// Stand-alone statuses: "remote test passed", "error 14 [no answer/pw out of
// spec.]" and "error 4/6 [low chamber or remote test failed]". A fitted sensor
// polls as the state answer shows it ("normal" on a stand-alone detector).
constexpr uint8_t kRemoteTestPassed = 20, kNoAnswer = 22, kRemoteTestFailed = 21;
// Elsewhere the status is the remote output: 0 not active, 1 active (a test drives it).
constexpr uint8_t kOutputActive = 1;

// Clean chambers: five widths close together, far below the time-out.
constexpr std::array<std::array<uint16_t, 5>, 2> kCleanPulses = {{
    {1184, 1201, 1176, 1193, 1188},
    {1172, 1190, 1205, 1181, 1179},
}};

SensorReading Fitted(Variant variant, int index) {
  const bool standAlone = variant == Variant::StandAlone;
  SensorReading s;
  s.remoteWorking = true;
  s.pulseWidths = kCleanPulses[static_cast<size_t>(index)];
  s.pollStatus = TraitsOf(variant).sensorOutput;
  s.testStatus = standAlone ? kRemoteTestPassed : kOutputActive;
  return s;
}

SensorReading Missing(Variant variant) {
  const bool standAlone = variant == Variant::StandAlone;
  SensorReading s;
  s.pulseWidths.fill(kTimeout);
  s.pollStatus = standAlone ? kNoAnswer : 0;
  s.testStatus = standAlone ? kRemoteTestFailed : 0;
  return s;
}

}  // namespace

Sensors::Sensors(Variant variant, int channels) {
  for (int i = 0; i < 2; ++i)
    sensors_[static_cast<size_t>(i)] = i < channels ? Fitted(variant, i) : Missing(variant);
}

SensorAnswer Sensors::Answer(int index, int mode) const {
  SensorAnswer a{};
  a[0] = sensors_[0].remoteWorking ? 1 : 0;
  a[1] = sensors_[1].remoteWorking ? 1 : 0;
  const SensorReading& s = sensor(index);
  for (size_t i = 0; i < s.pulseWidths.size(); ++i) {
    a[2 + 2 * i] = static_cast<uint8_t>(s.pulseWidths[i] & 0xFF);
    a[3 + 2 * i] = static_cast<uint8_t>(s.pulseWidths[i] >> 8);
  }
  a[12] = mode == kSensorTest ? s.testStatus : s.pollStatus;
  return a;
}

}  // namespace sim
