#pragma once
// The conversions between the texts and ticks of the parameter pages and the
// integer values of the parameter accessors. Reading a text that holds no
// number where one is expected throws ConvertError, as the toolkit does.
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// The integer in the characters position .. position + length - 1 (counted
// from 1) of text. A field that does not lie wholly inside the text, or that
// is no integer, throws ConvertError.
int FieldAt(const QString& text, int position, int length);

// count two-character fields that start at firstPosition and follow each
// other after one separator character: "15/03/23" gives 15, 3, 23.
std::vector<int32_t> TwoDigitFields(const QString& text, int count, int firstPosition = 1);

// The values with two digits each (a leading zero below 10), each followed by
// the separator at the same index, if any: {15, 3, 23} with "//" gives "15/03/23".
QString JoinTwoDigits(const std::vector<int32_t>& values, const QString& separators);

// A channel label of 16 characters: the character codes of the text, blanks
// beyond its end (a longer text is cut); and back, trailing blanks kept.
constexpr int kLabelLength = 16;
std::array<int32_t, kLabelLength> LabelCodes(const QString& text);
QString LabelText(const int32_t* codes);

// The reference pressure as the accessor takes it: four bytes, least significant first.
std::array<int32_t, 4> PressureBytes(int32_t pascal);
uint32_t PressureValue(const std::array<int32_t, 4>& bytes);

// How a check box stands for its stored value.
enum class CheckCoding {
  TickedIsOne,   // 1 when ticked, else 0; reads ticked when not 0
  TickedIsZero,  // 0 when ticked, else 1; reads ticked when 0
  TickedIsTwo,   // 2 when ticked, else 1; reads ticked unless 1
};
int32_t CheckValue(CheckCoding coding, bool ticked);
bool IsTicked(CheckCoding coding, int32_t value);
