#pragma once
// The raw commands of the engineering pages: sent through SendCommand with no
// data bytes, the answer decoded by the page from its own buffer.
#include <array>
#include <cstdint>
#include <initializer_list>

#include "TKV.h"

// Answer data byte n (n from 1) is at index n; index 0 holds the acknowledge.
using RawAnswer = std::array<uint8_t, frame::kMaxAnswer>;

// P1, P2, ... are the low bytes of the given values; the others are 0.
inline int SendRaw(TKV& device, uint8_t code, int answerLength,
                   std::initializer_list<int> params, RawAnswer& answer) {
  frame::Params p{};
  size_t k = 0;
  for (int value : params) p[k++] = static_cast<uint8_t>(value & 0xFF);
  return device.SendCommand(code, 0, answerLength, p, nullptr, answer.data());
}

// Answer bytes n and n + 1, low byte first.
inline uint16_t AnswerWord(const RawAnswer& answer, int n) {
  return static_cast<uint16_t>(answer[static_cast<size_t>(n)] | answer[static_cast<size_t>(n + 1)] << 8);
}
