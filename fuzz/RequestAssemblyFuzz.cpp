// The simulated detector's side of the line: bytes in any pieces, with any
// pauses between them, put together into requests, each then answered. Every
// request handed on must be one the detector can read within its bounds.
//
// Input: byte 0 is the number of piece bytes that follow it; each piece byte
// gives the size of the next piece (low 6 bits + 1) and the pause before it
// (top 2 bits: none, 1 ms, exactly the idle limit, just beyond it). Then the
// bytes on the line; what the piece bytes leave arrives as one last piece.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

#include "DeviceModel.h"
#include "Frame.h"
#include "Reply.h"
#include "RequestAssembler.h"
#include "Require.h"

namespace {

using sim::RequestAssembler;
using Clock = RequestAssembler::Clock;
using std::chrono::milliseconds;

constexpr milliseconds kPauses[4] = {milliseconds(0), milliseconds(1), RequestAssembler::kIdleLimit,
                                     RequestAssembler::kIdleLimit + milliseconds(1)};

bool HeaderTrusted(const std::vector<uint8_t>& r) {
  const int n = r[1] << 8 | r[2];
  return frame::Checksum(r.data(), 15) == r[15] && n >= 1 && n <= frame::kMaxData;
}

// A request in bounds: a header alone, or a trusted header with its N data
// bytes and their checksum.
void CheckBounds(const std::vector<uint8_t>& r) {
  Require(r.size() >= frame::kHeaderSize, "a request holds its header");
  const size_t n = static_cast<size_t>(r[1] << 8 | r[2]);
  if (r.size() == frame::kHeaderSize)
    Require(!HeaderTrusted(r), "a header that announces data waits for it");
  else
    Require(HeaderTrusted(r) && r.size() == frame::kHeaderSize + n + 1,
            "a request with data is exactly as long as its header says");
}

void CheckAnswer(const std::vector<uint8_t>& bytes, sim::DeviceModel& model) {
  const sim::Request request{bytes.data(), static_cast<int>(bytes.size())};
  const std::vector<uint8_t> answer = sim::Answer(request, model);
  Require(!answer.empty() && answer.size() <= static_cast<size_t>(frame::kMaxAnswer),
          "the answer fits the tool's buffer");
  Require(answer[0] <= 1, "the status is 0 or 1");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t size) {
  if (size < 1) return 0;
  const size_t pieces = std::min<size_t>(input[0], size - 1);
  const uint8_t* piece = input + 1;
  const uint8_t* line = piece + pieces;
  const uint8_t* end = input + size;

  RequestAssembler assembler;
  sim::DeviceModel model;
  Clock::time_point now{};
  std::vector<std::vector<uint8_t>> complete;
  std::vector<uint8_t> handedOn;  // every request's bytes, in order
  bool dropped = false;           // a pause beyond the limit may have dropped bytes
  for (size_t k = 0; line < end; ++k) {
    size_t length = static_cast<size_t>(end - line);
    if (k < pieces) {
      length = std::min<size_t>(length, (piece[k] & 0x3F) + 1u);
      const milliseconds pause = kPauses[piece[k] >> 6];
      now += pause;
      dropped = dropped || pause > RequestAssembler::kIdleLimit;
    }
    assembler.Feed(line, length, now, complete);
    line += length;
    for (const std::vector<uint8_t>& r : complete) {
      CheckBounds(r);
      CheckAnswer(r, model);
      handedOn.insert(handedOn.end(), r.begin(), r.end());
    }
    complete.clear();
  }
  // Without a drop nothing is lost or reordered: the requests are the stream's
  // beginning, and a request is pending exactly when bytes are left over.
  const uint8_t* stream = input + 1 + pieces;
  const size_t received = static_cast<size_t>(end - stream);
  Require(handedOn.size() <= received, "no more bytes handed on than received");
  if (!dropped) {
    Require(std::equal(handedOn.begin(), handedOn.end(), stream), "requests are the stream");
    Require(assembler.TimeLeft(now).has_value() == (handedOn.size() < received),
            "left-over bytes are a pending request");
  }
  return 0;
}
