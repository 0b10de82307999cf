#include "Guard.h"

#include <QString>
#include <exception>

#include "Dialogs.h"

void RunGuarded(Dialogs& dialogs, const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    dialogs.Message(MessageKind::Error, QString::fromLocal8Bit(error.what()));
  } catch (...) {
    // Not one of ours: shown as a generic error without a message.
    dialogs.Message(MessageKind::Error, QString());
  }
}
