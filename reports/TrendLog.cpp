// SET TREND LOG: the trend-log interval (EEPROM byte 293) through the EEPROM
// page's grid: read, change, correct checksums, write, refresh the firmware.
#include <QLineEdit>
#include <QPushButton>

#include "Convert.h"
#include "EepromLayout.h"
#include "FrmTestTKVU.h"

namespace {
constexpr int kLongestInterval = 240;  // minutes
const QString kTrendLogKey = QString::number(layout::kTrendLogTime);
}  // namespace

void TFrmTestTKV::btnTrendLogClick(QObject* Sender) {
  btnrseepClick(btnrseep);
  // After a failed read the grid may hold anything, often zeros: writing it
  // back would wreck the detector's EEPROM. A good read leaves LastResult 0.
  const bool readFailed = Device && Device->IsConnected() && Device->GetLastResult() != 0;
  if (!Sender) {
    if (!readFailed) edtTrendLog->setText(E2PValue(kTrendLogKey));
    return;
  }
  const std::optional<int> minutes = TryStrToInt(edtTrendLog->text());
  if (!minutes || *minutes < 0 || *minutes > kLongestInterval) {
    dialogs().Message(MessageKind::Warning, QStringLiteral("Incorrect value!"));
    return;
  }
  if (readFailed) return;
  SetE2PValue(kTrendLogKey, edtTrendLog->text());
  Button3Click(Button3);
  Button28Click(Button28);
  btnRefreshE2PClick(btnRefreshE2P);
}
