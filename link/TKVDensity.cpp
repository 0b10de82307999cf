// The air density test: the ultrasonic flow-timer reading of one channel,
// watched one reading per tick until it has settled. The two running averages
// are doubles and the gap between them is compared as a double; distances of
// a reading from an average are truncated toward zero before they are judged.
#include <algorithm>
#include <cstdlib>

#include "TKV.h"

namespace {
constexpr uint8_t kReadUltra = 11;
constexpr int32_t kInfo = 1;          // extended sub-command: the detector's info block
constexpr int kHeldBackValue = 17;    // + channel: nonzero holds the channel's test back
constexpr int32_t kRingSize = 30;
constexpr int kSteadyStep = 15;       // largest difference of two steady neighbours
constexpr int kFarFromAverage = 40;   // a reading further away moves no average
constexpr double kFastWeight = 0.2;
constexpr double kSlowWeight = 0.01;
constexpr double kSettledGap = 1.0;
constexpr double kDriftGap = 5.0;
constexpr int32_t kDriftLimit = kRingSize / 3;
constexpr int kFarLimit = 2 * kRingSize / 3;
constexpr int32_t kFirstResult = 10;
constexpr int32_t kFinished = -1;
constexpr int32_t kFailed = -2;

constexpr int kStarted = 1;
constexpr int kUnsteady = 2;
constexpr int kHeldBack = 3;
constexpr int kWarmUpReading = 4;

int TruncatedDistance(double from, double to) { return std::abs(static_cast<int>(from - to)); }
}  // namespace

int TKV::DensityTestStep(int channel, int tick) {
  if (!ActionAllowed() || !ArgumentOk(channel == 1 || channel == 2)) return 0;
  DensityTest& t = Density;

  if (tick == -1) {
    int32_t params[frame::kParamCount] = {kInfo};
    static const int32_t kNoData[frame::kMaxData] = {};
    int32_t answer[frame::kMaxData];
    if (!ExtendedCommand(params, kNoData, answer)) return 0;
    if (answer[kHeldBackValue + channel] != 0) return kHeldBack;
    t = DensityTest{};
    t.SampleIndex = -kRingSize;
    t.SampleCount = kRingSize;
    return kStarted;
  }

  if (t.SampleCount == 0) {
    LastResult = ResultBadCall;  // never started
    return 0;
  }
  if (t.DriftCount == kFinished) return t.Result;
  if (t.DriftCount == kFailed) return kUnsteady;
  if (t.SampleIndex >= t.SampleCount) t.SampleIndex = 0;

  LastResult = 0;
  frame::Params p{};
  p[0] = static_cast<uint8_t>(2 * channel - 2);  // way A->B of the channel
  if (!SendCommand(kReadUltra, 0, 2, p, nullptr, Answer.data())) return 0;
  const int32_t v = Answer[1] + 256 * Answer[2];

  if (t.SampleIndex < 0) {
    t.Samples[static_cast<size_t>(t.SampleIndex + kRingSize)] = v;
    if (t.SampleIndex == -1) {
      int unsteady = 0, steady = 0;
      for (size_t i = 0; i + 2 < t.Samples.size(); ++i) {  // pairs 0-1 .. 27-28
        if (std::abs(t.Samples[i] - t.Samples[i + 1]) > kSteadyStep) {
          ++unsteady;
        } else {
          ++steady;
          t.Average += t.Samples[i + 1];
        }
      }
      if (unsteady > kRingSize / 2 || steady == 0) {
        t.DriftCount = kFailed;
        return kUnsteady;
      }
      t.Average /= steady;
      t.FastAverage = t.SlowAverage = t.Average;
      t.Samples.fill(t.Average);
    }
    ++t.SampleIndex;
    return kWarmUpReading;
  }

  t.Samples[static_cast<size_t>(t.SampleIndex)] = v;
  if (TruncatedDistance(v, t.FastAverage) <= kFarFromAverage) {
    t.FastAverage += (v - t.FastAverage) * kFastWeight;
    t.SlowAverage += (v - t.SlowAverage) * kSlowWeight;
  }
  const double gap = t.FastAverage - t.SlowAverage;
  if (gap < kSettledGap) t.Result = tick;
  const auto far = std::count_if(t.Samples.begin(), t.Samples.end(), [&](int32_t s) {
    return TruncatedDistance(s, t.SlowAverage) > kFarFromAverage;
  });
  if (gap >= kDriftGap) ++t.DriftCount;

  int outcome = kStarted;
  if (t.DriftCount >= kDriftLimit) {
    t.Result = std::max(t.Result, kFirstResult);
    t.DriftCount = kFinished;
    outcome = t.Result;
  } else if (far >= kFarLimit) {
    t.Result = std::max(tick - kFarLimit, kFirstResult);
    t.DriftCount = kFinished;
    outcome = t.Result;
  }
  ++t.SampleIndex;
  return outcome;
}
