#pragma once
#include <QString>
#include <array>
#include <cstdint>

// The detector's flow-log queues as command 26 answers them: 1024 data bytes
// holding the number of valid records of channel 1 and 2 (bytes 0 and 1),
// then ten 36-byte record slots per channel (from byte 2 and byte 362). A
// record is 18 big-endian 16-bit values.
namespace flowlog {

constexpr uint8_t kReadFlowLog = 26;
constexpr int kAnswerSize = 1024;
constexpr int kSlots = 10;
constexpr int kValues = 18;

using Record = std::array<int, kValues>;

// The number of valid records of channel 0 (channel 1) or 1 (channel 2).
int ValidCount(const uint8_t* answer, int channel);
Record SlotRecord(const uint8_t* answer, int channel, int slot);

// A record whose first byte (the high byte of its index) is not zero is a
// measurement the graph shows.
inline bool IsGraphSample(const Record& record) { return record[0] > 0xFF; }

// Each value right-aligned in five characters and followed by "|".
QString RecordLine(const Record& record);
// The column headings "index", "A", "R", ... in the same shape.
QString HeaderLine();

}  // namespace flowlog
