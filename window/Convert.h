#pragma once
#include <QString>
#include <optional>

// Decimal text to a 32-bit integer; blanks around the number are allowed.
std::optional<int> TryStrToInt(const QString& text);

// As TryStrToInt, but a text that is not an integer throws ConvertError.
int StrToInt(const QString& text);
