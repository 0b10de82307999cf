// The connection panel: Connect, Disconnect and the hardware manager.
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <array>
#include <vector>

#include "ComPortsDialog.h"
#include "Convert.h"
#include "FrmTestTKVU.h"

namespace {
constexpr int32_t kAfterConnectSubCommand = 9;
constexpr int kComHintMs = 5000;
}

void TFrmTestTKV::Button1Click(QObject*) {
  // An empty or unusable COM number connects nothing and prints nothing; the
  // status bar says for a while what is wanted.
  const std::optional<int> port = TryStrToInt(Edit1->text());
  if (!port || *port <= 0 || *port >= 256) {
    StatusBar1->showMessage(QStringLiteral("The COM port is a number from 1 to 255"),
                            pacing_.Interval(kComHintMs));
    return;
  }
  StatusBar1->clearMessage();  // an earlier hint must not hide what this press brings
  if (Device) {
    LogLine(QStringLiteral(">>Already connected!"));
    return;
  }
  Device = std::make_unique<TKV>();
  if (!Device->Connect(static_cast<unsigned>(*port), 0, 0, 0)) {
    ReportLastError();
    Device.reset();
    return;
  }

  // A detector with a wrong configuration is not asked for anything more.
  bool extendedOk = false;
  std::array<int32_t, frame::kParamCount> params{kAfterConnectSubCommand};
  std::vector<int32_t> data(frame::kMaxData), answer(frame::kMaxData);
  if (Device->IsWrongConfiguration() == 0)
    extendedOk = Device->ExtendedCommand(params.data(), data.data(), answer.data()) == 1;

  LogLine(QStringLiteral(">>Connected"));
  if (extendedOk)
    LogLine(QStringLiteral("Extended command 9 accepted: %1,%2,%3")
                .arg(answer[0])
                .arg(answer[1])
                .arg(answer[2]));
  ShowConnectionState(true);
  LastActionOk = 1;
  btnTrendLogClick(nullptr);  // shows the stored trend-log interval; writes nothing
}

void TFrmTestTKV::Button2Click(QObject*) {
  if (!Device) {
    LogLine(QStringLiteral(">>Not connected!"));
    return;
  }
  Device->Disconnect();
  Device.reset();
  LogLine(QStringLiteral(">>Disconnected"));
  ShowConnectionState(false);
}

void TFrmTestTKV::btnShowDevManClick(QObject*) {
  if (!comPorts_) {
    comPorts_ = new ComPortsDialog(this);
    connect(comPorts_, &ComPortsDialog::PortChosen, this, [this](unsigned number) {
      Edit1->setText(QString::number(number));
      Edit1->setFocus();
    });
  }
  comPorts_->Refresh();
  comPorts_->show();
  comPorts_->raise();
  comPorts_->activateWindow();
}

void TFrmTestTKV::ShowConnectionState(bool connected) {
  Button1->setEnabled(!connected);
  Button2->setEnabled(connected);
  ShowLinkStatus();
}
