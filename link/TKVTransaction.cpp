// One request frame out, one validated answer frame back.
#include "TKV.h"

int TKV::SendCommand(uint8_t code, int32_t dataLength, int32_t answerDataLength,
                     const frame::Params& params, const uint8_t* data, uint8_t* answer) {
  // Refused before the request buffer is filled: a longer frame would overrun it.
  if (!ArgumentOk(frame::DataLengthFits(dataLength) && frame::DataLengthFits(answerDataLength)))
    return 0;
  int requestLength = frame::BuildRequest(code, dataLength, params, data, Request.data());
  int count = 0;
  return Transact(Request.data(), requestLength, frame::AnswerLength(answerDataLength), answer,
                  &count);
}

int TKV::Transact(const uint8_t* request, int requestLength, int expectedLength,
                  uint8_t* answer, int* countOut) {
  *countOut = 0;
  int count = 0;
  // Exchange refuses lengths the buffers do not hold, so answer[expectedLength - 1] is in range.
  if (!Exchange(request, requestLength, answer, expectedLength, &count)) return 0;
  *countOut = count;
  if (count != expectedLength) {
    LastResult = ResultBadAnswer;
    return 0;
  }
  // A refusal is not checksum-tested.
  if (answer[0] != 1) {
    LastResult = ResultRefused;
    return 0;
  }
  if (expectedLength == 1) return 1;
  if (frame::Checksum(answer + 1, static_cast<size_t>(expectedLength - 2)) !=
      answer[expectedLength - 1]) {
    LastResult = ResultBadChecksum;
    return 0;
  }
  return 1;
}

void TKV::MapRefusal(int32_t ownCode) {
  if (LastResult == ResultRefused) LastResult = ownCode;
}
