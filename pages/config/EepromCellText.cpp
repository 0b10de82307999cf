#include "EepromCellText.h"

#include <optional>

#include "Convert.h"
#include "EepromLayout.h"
#include "MemoryMap.h"

namespace {
constexpr int kTitleWidth = 50;
constexpr int kKeyWidth = 3;

// The byte key names, when it lies in [first, first + count).
std::optional<int> Offset(const QString& key, int first, int count) {
  const std::optional<int> address = TryStrToInt(key);
  if (!address || *address < first || *address >= first + count) return std::nullopt;
  return *address - first;
}
}  // namespace

QString KeyTitleText() {
  return QStringLiteral("Description").leftJustified(kTitleWidth) + QStringLiteral("|#Byte");
}

QString ValueTitleText() { return QStringLiteral("DEC|HEX|BIN 76543210"); }

QString KeyCellText(const QString& key, const QString& description) {
  return key.leftJustified(kKeyWidth) + QLatin1Char('|') + description;
}

QString ImageKeyCellText(const QString& key) {
  const std::optional<int> offset = Offset(key, 0, memory::kImageSize);
  return KeyCellText(key, offset ? QString::fromStdString(layout::ImageByteMeaning(*offset))
                                 : QString());
}

QString OnfKeyCellText(const QString& key) {
  const std::optional<int> offset = Offset(key, memory::kLogHeaderAddress, memory::kLogHeaderSize);
  return KeyCellText(key, offset ? QString::fromStdString(layout::OnfByteMeaning(*offset))
                                 : QString());
}

QString ValueCellText(const QString& value) {
  const std::optional<int> number = TryStrToInt(value);
  if (!number) return value;
  const unsigned byte = static_cast<unsigned>(*number) & 0xFFu;
  return value.leftJustified(kKeyWidth) + QStringLiteral("| ") +
         QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper() +
         QStringLiteral("|    ") + QStringLiteral("%1").arg(byte, 8, 2, QLatin1Char('0'));
}
