#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// Wire format of the detector's request/answer protocol. Shared by TKV and by
// the simulated detector, so both sides agree byte for byte.
namespace frame {

constexpr int kHeaderSize = 16;
constexpr int kMaxData = 1024;
constexpr int kMaxRequest = kHeaderSize + kMaxData + 1;  // 1041
constexpr int kMaxAnswer = kMaxData + 2;                 // 1026
constexpr int kParamCount = 12;

using Params = std::array<uint8_t, kParamCount>;

// N and M of one frame: 0..1024.
inline bool DataLengthFits(int length) { return length >= 0 && length <= kMaxData; }

// A whole request and a whole answer that the buffers of either side hold.
inline bool FrameLengthsFit(int requestLength, int answerLength) {
  return requestLength >= 1 && requestLength <= kMaxRequest && answerLength >= 1 &&
         answerLength <= kMaxAnswer;
}

// Start with 8, add each byte, keep the low 8 bits.
uint8_t Checksum(const uint8_t* bytes, size_t count);

// Builds the request into out (at least kMaxRequest bytes); returns its length:
// 16 without data, 17 + N with data.
int BuildRequest(uint8_t code, int dataLength, const Params& params, const uint8_t* data,
                 uint8_t* out);

// P1..P4 of the memory commands: address low, high, count low, high.
Params MemoryParams(int address, int count);

// M + 2 bytes when the answer carries M > 0 data bytes, else the status byte alone.
inline int AnswerLength(int answerDataLength) {
  return answerDataLength > 0 ? answerDataLength + 2 : 1;
}

// Builds an acknowledged (status 1) or refused answer carrying M data bytes.
int BuildAnswer(uint8_t status, const uint8_t* data, int answerDataLength, uint8_t* out);

}  // namespace frame
