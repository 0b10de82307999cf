#include "SensorTexts.h"

#include <array>

#include "FrmTestTKVU.h"

namespace {
constexpr int kStandAlone = 1;
constexpr int kFirstSmokeLevel = 11;
constexpr int kLastSmokeLevel = 19;

// Stand-alone statuses 1..22; 11..19 are the smoke levels, made below.
constexpr std::array<const char*, 22> kStandAloneTexts = {
    "normal",
    "error 1 [addresses switched]",
    "error 2 [address doubled]",
    "error 3 [remote not detected]",
    "error 4 [low chamber]",
    "error 5 [pw out of spec.]",
    "initializing",
    "warning 1 [chamber dirty 0.3%/f]",
    "warning 2 [chamber dirty 0.6%/f]",
    "warning 3 [chamber dirty (max)]",
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    "remote test passed",
    "error 4/6 [low chamber or remote test failed]",
    "error 14 [no answer/pw out of spec.]",
};
}  // namespace

QString SensorStatusTextFor(int variant, int value) {
  if (variant != kStandAlone)
    return value == 0 ? QStringLiteral("not active") : QStringLiteral("active");
  if (value == 0) return QStringLiteral("undefined");
  if (value >= kFirstSmokeLevel && value <= kLastSmokeLevel)
    return QStringLiteral("smoke level %1").arg(value - 10);
  if (value < 1 || value > static_cast<int>(kStandAloneTexts.size())) return QString();
  return QString::fromLatin1(kStandAloneTexts[static_cast<size_t>(value - 1)]);
}

QString TFrmTestTKV::SensorStatusText(int value) {
  return SensorStatusTextFor(Device ? Device->GetVariant() : -1, value);
}
