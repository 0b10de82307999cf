#include "Convert.h"

#include "Errors.h"

std::optional<int> TryStrToInt(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok, 10);
  if (!ok) return std::nullopt;
  return value;
}

int StrToInt(const QString& text) {
  const std::optional<int> value = TryStrToInt(text);
  if (!value) throw ConvertError(("'" + text + "' is not a valid integer value").toStdString());
  return *value;
}
