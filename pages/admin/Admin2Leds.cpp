// The SHIFT REGISTER LEDS box: the pattern is edited in the 45 selectors and
// reaches the detector only with UPDATE; "Normal" gives the LEDs back to it.
#include <array>

#include "FrmTestTKVU.h"
#include "LedFrame.h"
#include "LedIcons.h"
#include "LedSelector.h"
#include "Tag.h"

namespace {
constexpr uint8_t kSetLeds = 12;
constexpr uint8_t kForcePattern = 1, kDetectorDrives = 0;

void SetAll(const std::array<LedSelector*, kLedCount>& leds, int item, const LedIcons* images) {
  for (LedSelector* led : leds) {
    led->setCurrentIndex(item);
    led->SetImages(images);
  }
}
}  // namespace

// All G, All R and All Y: the sender's Tag is the item every selector takes.
void TFrmTestTKV::btnAllGClick(QObject* Sender) {
  SetAll(cbLed, Tag(Sender), ImageList1);
  LastActionOk = 1;
}

void TFrmTestTKV::btnClearSRLEDClick(QObject*) { SetAll(cbLed, 0, ImageList1); }

void TFrmTestTKV::cbLed3DblClick(QObject* Sender) {
  auto* led = qobject_cast<LedSelector*>(Sender);
  if (!led) return;
  led->SetImages(led->Images() == ImageList1 ? ImageList2 : ImageList1);
}

void TFrmTestTKV::btnUpdateSRLEDClick(QObject*) {
  std::array<LedSetting, kLedCount> settings;
  for (size_t i = 0; i < settings.size(); ++i) settings[i] = cbLed[i]->Setting();
  const LedFrameBytes pattern = BuildLedFrame(settings);
  const bool sent = RunDeviceAction(
      [&](TKV& device) {
        std::array<uint8_t, frame::kMaxAnswer> answer{};
        return device.SendCommand(kSetLeds, kLedFrameSize, 0, {kForcePattern}, pattern.data(),
                                  answer.data());
      },
      QStringLiteral(">>LEDs updated!"));
  if (sent) LastActionOk = 1;
}

void TFrmTestTKV::btnNormalSRLEDClick(QObject*) {
  RunDeviceAction(
      [](TKV& device) {
        std::array<uint8_t, frame::kMaxAnswer> answer{};
        return device.SendCommand(kSetLeds, 0, 0, {kDetectorDrives}, nullptr, answer.data());
      },
      QStringLiteral(">>Normal LED executed!"));
}
