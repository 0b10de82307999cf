#include "MonitorTimer.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>

#include "Convert.h"
#include "Errors.h"
#include "Pacing.h"

void StartMonitorTimer(const Pacing& pacing, QCheckBox* box, QTimer* timer,
                       const QLineEdit* interval) {
  const QString text = interval->text();
  const std::optional<int> ms = TryStrToInt(text);
  if (ms && *ms > 0) {
    timer->start(pacing.Interval(*ms));
    return;
  }
  timer->stop();
  box->setChecked(false);
  StrToInt(text);  // a text that is no number throws the toolkit's own error
  throw ConvertError(("'" + text + "' is not a valid interval").toStdString());
}
