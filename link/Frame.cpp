#include "Frame.h"

#include <cstring>

namespace frame {

uint8_t Checksum(const uint8_t* bytes, size_t count) {
  unsigned sum = 8;
  for (size_t i = 0; i < count; ++i) sum += bytes[i];
  return static_cast<uint8_t>(sum);
}

int BuildRequest(uint8_t code, int dataLength, const Params& params, const uint8_t* data,
                 uint8_t* out) {
  out[0] = code;
  out[1] = static_cast<uint8_t>(dataLength / 256);
  out[2] = static_cast<uint8_t>(dataLength - 256 * out[1]);
  std::memcpy(out + 3, params.data(), kParamCount);
  out[15] = Checksum(out, 15);
  if (dataLength <= 0) return kHeaderSize;
  std::memcpy(out + kHeaderSize, data, static_cast<size_t>(dataLength));
  out[kHeaderSize + dataLength] = Checksum(data, static_cast<size_t>(dataLength));
  return kHeaderSize + dataLength + 1;
}

int BuildAnswer(uint8_t status, const uint8_t* data, int answerDataLength, uint8_t* out) {
  out[0] = status;
  if (answerDataLength <= 0) return 1;
  std::memcpy(out + 1, data, static_cast<size_t>(answerDataLength));
  out[answerDataLength + 1] = Checksum(data, static_cast<size_t>(answerDataLength));
  return answerDataLength + 2;
}

Params MemoryParams(int address, int count) {
  Params p{};
  p[0] = static_cast<uint8_t>(address % 256);
  p[1] = static_cast<uint8_t>(address / 256);
  p[2] = static_cast<uint8_t>(count % 256);
  p[3] = static_cast<uint8_t>(count / 256);
  return p;
}

}  // namespace frame
