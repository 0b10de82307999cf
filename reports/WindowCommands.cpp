// Two commands of the field user's area: RESET DEVICE, and set RAM, which
// writes one value into the detector's RAM at the address typed on Admin #1.
#include <QLineEdit>
#include <array>

#include "Convert.h"
#include "FrmTestTKVU.h"

namespace {
constexpr int32_t kWriteRam = 7;  // extended sub-command
constexpr int kAddressBytes = 4;
}  // namespace

void TFrmTestTKV::btnresClick(QObject*) {
  RunDeviceAction([](TKV& d) { return d.ResetDevice(); }, QStringLiteral(">>ASD reset"));
}

void TFrmTestTKV::btnSetRamClick(QObject*) {
  if (!RequireConnection()) return;
  const uint32_t address = static_cast<uint32_t>(StrToInt(edtReadRAM->text()));
  const int value = StrToInt(edtRamValue->text());
  std::array<int32_t, frame::kParamCount> params{kWriteRam};
  // The address goes least significant byte first.
  for (int i = 0; i < kAddressBytes; ++i)
    params[static_cast<size_t>(1 + i)] = static_cast<int32_t>((address >> (8 * i)) & 0xFF);
  params[5] = value;
  std::array<int32_t, frame::kMaxData> data{}, answer{};
  if (!Device->ExtendedCommand(params.data(), data.data(), answer.data())) {
    ReportLastError();
    return;
  }
  LogLine(QStringLiteral("RAM:") + edtReadRAM->text() + QStringLiteral("<--") + edtRamValue->text());
}
