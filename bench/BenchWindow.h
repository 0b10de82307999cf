#pragma once
// The window benchmarks' start: the real window shown and connected to the
// simulated detector on a COM number, as a user would connect it.
#include <QLineEdit>
#include <QPushButton>

#include "FrmTestTKVU.h"

namespace bench {

// False when Connect did not connect.
inline bool ShowAndConnect(TFrmTestTKV& form, unsigned com) {
  form.show();
  form.Edit1->setText(QString::number(com));
  form.Button1Click(form.Button1);
  return form.Device != nullptr;
}

}  // namespace bench
