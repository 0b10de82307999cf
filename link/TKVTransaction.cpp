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
  const int exchanged = Exchange(request, requestLength, answer, expectedLength, &count);
  NoteLinkState(exchanged);
  if (!exchanged) return 0;
  *countOut = count;
  const int32_t verdict = CheckAnswer(answer, count, expectedLength);
  if (verdict == ResultSuccess) return 1;
  LastResult = verdict;
  return 0;
}

int32_t TKV::CheckAnswer(const uint8_t* answer, int count, int expectedLength) {
  if (count != expectedLength) return ResultBadAnswer;
  // A refusal is not checksum-tested.
  if (answer[0] != 1) return ResultRefused;
  if (expectedLength == 1) return ResultSuccess;
  if (frame::Checksum(answer + 1, static_cast<size_t>(expectedLength - 2)) !=
      answer[expectedLength - 1])
    return ResultBadChecksum;
  return ResultSuccess;
}

void TKV::MapRefusal(int32_t ownCode) {
  if (LastResult == ResultRefused) LastResult = ownCode;
}
