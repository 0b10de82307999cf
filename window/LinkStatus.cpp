// The status bar's account of the link: "Disconnected", "Connected" with the
// port and the detector's identity, or "Connection lost" with the port.
#include <QLabel>
#include <QStatusBar>

#include "Format.h"
#include "FrmTestTKVU.h"

namespace {

// "COM5 (/dev/pts/3)": the number typed and the device it opened.
QString PortText(const TKV& device) {
  return QStringLiteral("COM%1 (%2)")
      .arg(device.GetPortNumber())
      .arg(QString::fromLocal8Bit(device.GetPortDevice().c_str()));
}

// "loop based, 2 channels, firmware 2.7.15", read from the factory area the
// connection loaded; empty when it could not load one. Asked only this way,
// the getters never touch the last result.
QString IdentityText(TKV& device) {
  if (device.IsWrongConfiguration() != 0 || device.IsFactoryAreaOk() != 1) return {};
  const int channels = device.GetChannelCount();
  return QStringLiteral("%1, %2 %3, firmware %4.%5.%6")
      .arg(FormatVariant(device.GetVariant()))
      .arg(channels)
      .arg(channels == 1 ? QStringLiteral("channel") : QStringLiteral("channels"))
      .arg(device.GetFwMajor())
      .arg(device.GetFwMinor())
      .arg(device.GetFwBuild());
}

}  // namespace

void TFrmTestTKV::ShowLinkStatus() {
  const bool connected = Device && Device->IsConnected();
  const bool lost = connected && Device->IsLinkLost();
  QString detail, hint;
  if (lost) {
    detail = PortText(*Device);
    hint = QStringLiteral("The detector went away: Disconnect, then Connect once it is back.");
  } else if (connected) {
    const QString identity = IdentityText(*Device);
    detail = PortText(*Device) + (identity.isEmpty() ? QString() : QStringLiteral(" - ") + identity);
    hint = detail;
  }
  // Called after every click and tick: only a change is drawn.
  statusText_->setText(lost        ? QStringLiteral("Connection lost")
                       : connected ? QStringLiteral("Connected")
                                   : QStringLiteral("Disconnected"));
  statusDetail_->setText(detail);
  statusDetail_->setToolTip(hint);
  const QColor background = connected && !lost ? QColor(Qt::green) : QColor(Qt::red);
  if (StatusBar1->palette().color(QPalette::Window) == background) return;
  QPalette palette = StatusBar1->palette();
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::WindowText, Qt::black);  // readable on red and on lime
  StatusBar1->setPalette(palette);
}
