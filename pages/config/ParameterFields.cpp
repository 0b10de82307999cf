#include "ParameterFields.h"

#include "Convert.h"
#include "Errors.h"
#include "Format.h"

int FieldAt(const QString& text, int position, int length) {
  // A field cut short by the end of the text is as missing as one beyond it.
  if (position - 1 + length > text.size())
    throw ConvertError(QStringLiteral("'%1' has no %2-character field at position %3")
                           .arg(text)
                           .arg(length)
                           .arg(position)
                           .toStdString());
  return StrToInt(text.mid(position - 1, length));
}

std::vector<int32_t> TwoDigitFields(const QString& text, int count, int firstPosition) {
  std::vector<int32_t> values;
  for (int i = 0; i < count; ++i) values.push_back(FieldAt(text, firstPosition + 3 * i, 2));
  return values;
}

QString JoinTwoDigits(const std::vector<int32_t>& values, const QString& separators) {
  QString text;
  int i = 0;
  for (int32_t value : values) {
    text += FormatTwoDigits(value);
    if (i < separators.size()) text += separators[i];
    ++i;
  }
  return text;
}

std::array<int32_t, kLabelLength> LabelCodes(const QString& text) {
  std::array<int32_t, kLabelLength> codes;
  for (int i = 0; i < kLabelLength; ++i) codes[i] = i < text.size() ? text[i].unicode() : ' ';
  return codes;
}

QString LabelText(const int32_t* codes) {
  QString text;
  for (int i = 0; i < kLabelLength; ++i) text += QChar(static_cast<char16_t>(codes[i]));
  return text;
}

std::array<int32_t, 4> PressureBytes(int32_t pascal) {
  const auto value = static_cast<uint32_t>(pascal);
  return {static_cast<int32_t>(value & 0xFF), static_cast<int32_t>((value >> 8) & 0xFF),
          static_cast<int32_t>((value >> 16) & 0xFF), static_cast<int32_t>(value >> 24)};
}

uint32_t PressureValue(const std::array<int32_t, 4>& bytes) {
  // Unsigned, so that a top byte of 128 or more does not show as a negative pressure.
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value * 256 + static_cast<uint8_t>(bytes[i]);
  return value;
}

int32_t CheckValue(CheckCoding coding, bool ticked) {
  switch (coding) {
    case CheckCoding::TickedIsZero:
      return ticked ? 0 : 1;
    case CheckCoding::TickedIsTwo:
      return ticked ? 2 : 1;
    case CheckCoding::TickedIsOne:
      break;
  }
  return ticked ? 1 : 0;
}

bool IsTicked(CheckCoding coding, int32_t value) {
  switch (coding) {
    case CheckCoding::TickedIsZero:
      return value == 0;
    case CheckCoding::TickedIsTwo:
      return value != 1;
    case CheckCoding::TickedIsOne:
      break;
  }
  return value != 0;
}
