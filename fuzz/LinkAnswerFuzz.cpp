// The detector's answers as the device library takes them: the verdict on an
// answer of any length, then, for a sound one, the decoding of what it carries.
// Byte 0 says which answer is due; the rest is what came back on the line.
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "Frame.h"
#include "Records.h"
#include "Require.h"
#include "TKV.h"

namespace {

enum class Due : uint8_t { Acknowledgement, State, Image, LogArea, Count };

// M, the data length of the answer that is due.
int DataLength(Due due, size_t received) {
  switch (due) {
    case Due::Acknowledgement: return 0;
    case Due::State: return 74;
    case Due::Image: return memory::kImageSize;
    default:  // a read of the log area, of any length a frame holds
      return static_cast<int>(std::clamp<size_t>(received, 3, frame::kMaxData + 2) - 2);
  }
}

void DecodeImage(const uint8_t* image) {
  if (TKV::AreaValid(image, memory::kFactoryArea))
    DecodeDeviceInfo(image + memory::kFactoryArea.start);
  // Correcting one area's checksum must not spoil another's.
  std::array<uint8_t, memory::kImageSize> corrected;
  std::copy(image, image + memory::kImageSize, corrected.begin());
  TKV::UpdateImageChecksums(corrected.data());
  Require(TKV::VerifyImageChecksums(corrected.data()), "corrected checksums verify");
}

// Every entry the piece holds whole.
void DecodeLogArea(const uint8_t* piece, int length) {
  for (int at = 0; at + memory::kLogEntrySize <= length; at += memory::kLogEntrySize)
    DecodeLogEntry(piece + at);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t size) {
  if (size < 1) return 0;
  const Due due = static_cast<Due>(input[0] % static_cast<uint8_t>(Due::Count));
  // Exactly the bytes received, on the heap, so that reading one more is caught.
  const std::vector<uint8_t> answer(input + 1, input + size);
  const int m = DataLength(due, answer.size());
  const int expected = frame::AnswerLength(m);
  const int count = static_cast<int>(answer.size());

  const int32_t verdict = TKV::CheckAnswer(answer.data(), count, expected);
  Require((verdict == ResultBadAnswer) == (count != expected), "a wrong length is told first");
  Require(verdict == ResultBadAnswer || (verdict == ResultRefused) == (answer[0] != 1),
          "a status other than 1 is a refusal");
  if (verdict != ResultSuccess) return 0;

  // A sound answer is exactly the one the detector's side builds from its data.
  const uint8_t* data = answer.data() + 1;
  std::vector<uint8_t> rebuilt(static_cast<size_t>(expected));
  Require(frame::BuildAnswer(1, data, m, rebuilt.data()) == expected, "rebuilt length");
  Require(rebuilt == answer, "a sound answer is the one built from its data");

  switch (due) {
    case Due::State: DecodeState(data); break;
    case Due::Image: DecodeImage(data); break;
    case Due::LogArea: DecodeLogArea(data, m); break;
    default: break;
  }
  return 0;
}
