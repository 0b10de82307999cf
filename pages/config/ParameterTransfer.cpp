// The parameter transfer of both parameter pages and the Management page's
// CONFIGURATION box, which runs every ParameterButton at once.
#include "ParameterTransfer.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <exception>
#include <vector>

#include "Convert.h"
#include "FrmTestTKVU.h"
#include "ParameterPageLayout.h"
#include "RadioGroup.h"
#include "Tag.h"

namespace {
constexpr int kRead = 0;
constexpr int kStore = 1;

// Runs one ParameterButton in the given direction, as the driving loops do:
// false when the transfer ended with an error (a text that gives no number).
bool RunParameterButton(TFrmTestTKV& form, const TFrmTestTKV::ParameterButton& parameter,
                        int direction) {
  SetTag(parameter.button, direction);
  try {
    (form.*parameter.click)(parameter.button);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}
}  // namespace

void TransferParameter(TFrmTestTKV& form, const QObject* button,
                       const std::function<void()>& readControls,
                       const std::function<int(int mode)>& access,
                       const std::function<void()>& fillControls) {
  if (!form.RequireConnection()) return;
  const int mode = Tag(button);
  if (mode > kRead) readControls();
  if (!access(mode)) {
    form.ReportLastError();
    return;
  }
  if (mode == kRead) fillControls();
  form.LogLine(QStringLiteral(">>ok"));
}

void TransferIntegers(TFrmTestTKV& form, const QObject* button, const QList<QLineEdit*>& edits,
                      const ValuesAccess& access) {
  std::vector<int32_t> values(static_cast<size_t>(edits.size()));
  TransferParameter(
      form, button,
      [&] {
        for (int i = 0; i < edits.size(); ++i) values[i] = StrToInt(edits[i]->text());
      },
      [&](int mode) { return access(values.data(), mode); },
      [&] {
        for (int i = 0; i < edits.size(); ++i) edits[i]->setText(QString::number(values[i]));
      });
}

void TransferInteger(TFrmTestTKV& form, const QObject* button, QLineEdit* edit,
                     SingleAccessor accessor) {
  TransferIntegers(form, button, {edit}, [&](int32_t* value, int mode) {
    return (form.Device.get()->*accessor)(*value, mode);
  });
}

void TransferFlags(TFrmTestTKV& form, const QObject* button, const QList<QCheckBox*>& boxes,
                   CheckCoding coding, const ValuesAccess& access) {
  std::vector<int32_t> values(static_cast<size_t>(boxes.size()));
  TransferParameter(
      form, button,
      [&] {
        for (int i = 0; i < boxes.size(); ++i) values[i] = CheckValue(coding, boxes[i]->isChecked());
      },
      [&](int mode) { return access(values.data(), mode); },
      [&] {
        for (int i = 0; i < boxes.size(); ++i) boxes[i]->setChecked(IsTicked(coding, values[i]));
      });
}

void TransferFlag(TFrmTestTKV& form, const QObject* button, QCheckBox* box, CheckCoding coding,
                  SingleAccessor accessor) {
  TransferFlags(form, button, {box}, coding, [&](int32_t* value, int mode) {
    return (form.Device.get()->*accessor)(*value, mode);
  });
}

void TransferChoice(TFrmTestTKV& form, const QObject* button, RadioGroup* group, int firstValue,
                    SingleAccessor accessor) {
  int32_t value = 0;
  TransferParameter(
      form, button, [&] { value = group->ItemIndex() + firstValue; },
      [&](int mode) { return (form.Device.get()->*accessor)(value, mode); },
      [&] { group->SetItemIndex(value - firstValue); });
}

QPushButton* TFrmTestTKV::AddParameterButton(QWidget* page, const char* name,
                                             void (TFrmTestTKV::*click)(QObject*)) {
  auto* button = Place<QPushButton>(page, name, QRect(0, 0, 40, 21), "get");
  button->setVisible(false);
  // Clicked outside the driving loops, a conversion error ends in the error box.
  Wire(button, &QPushButton::clicked, click);
  ParameterButtons.append({button, click});
  return button;
}

void TFrmTestTKV::BuildConfigurationBox(QWidget* page) {
  grpConfiguration = Box(page, "grpConfiguration", QRect(8, 4, 180, 110), " CONFIGURATION ");
  btnUpdateCfg = Place<QPushButton>(grpConfiguration, "btnUpdateCfg", QRect(8, 20, 164, 25),
                                    "update configuration");
  btnRestoreCfg = Place<QPushButton>(grpConfiguration, "btnRestoreCfg", QRect(8, 50, 164, 25),
                                     "restore parameters");
  btnGetAll = Place<QPushButton>(grpConfiguration, "btnGetAll", QRect(8, 80, 164, 25),
                                 "get all parameters");
  Wire(btnUpdateCfg, &QPushButton::clicked, &TFrmTestTKV::btnUpdateCfgClick);
  Wire(btnRestoreCfg, &QPushButton::clicked, &TFrmTestTKV::btnRestoreCfgClick);
  Wire(btnGetAll, &QPushButton::clicked, &TFrmTestTKV::btnGetAllClick);
}

void TFrmTestTKV::btnGetAllClick(QObject*) {
  if (!RequireConnection()) return;
  ClearConsole();
  for (const ParameterButton& parameter : ParameterButtons)
    if (!RunParameterButton(*this, parameter, kRead))
      LogLine(QStringLiteral("EXC:") + parameter.button->objectName());
}

// Every parameter the accessors accept is stored; the others keep their old
// value, and the configuration area is written all the same.
void TFrmTestTKV::btnUpdateCfgClick(QObject*) {
  if (!RequireConnection()) return;
  ClearConsole();
  for (const ParameterButton& parameter : ParameterButtons) {
    LogLine(parameter.button->objectName());
    if (!RunParameterButton(*this, parameter, kStore)) LogLine(QStringLiteral("EXCEPTION"));
  }
  btnUpdateCfg->setEnabled(false);
  const bool stored = Device->StoreConfiguration() == 1;
  btnUpdateCfg->setEnabled(true);
  if (stored)
    LogLine(QStringLiteral(">>Configuration updated"));
  else
    ReportLastError();
}

// The page controls keep what they show; "get all parameters" shows the reloaded values.
void TFrmTestTKV::btnRestoreCfgClick(QObject*) {
  if (!RequireConnection()) return;
  btnRestoreCfg->setEnabled(false);
  const bool reloaded = Device->ReloadParameters() == 1;
  btnRestoreCfg->setEnabled(true);
  if (reloaded)
    LogLine(QStringLiteral(">>Parameters restored"));
  else
    ReportLastError();
}
