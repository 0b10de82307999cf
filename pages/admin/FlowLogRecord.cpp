#include "FlowLogRecord.h"

namespace flowlog {
namespace {

constexpr int kRecordSize = 2 * kValues;
constexpr int kFieldWidth = 5;
constexpr const char* kHeadings[kValues] = {"index", "A",  "R",     "fA",    "fR",   "dA",
                                            "dR",    "dR-A", "fan", "#stb",  "#unst", "pulse",
                                            "#tot",  "#dis", "ok?", "dfRA", "fdfRA", "meas"};

QString Field(const QString& text) {
  return text.rightJustified(kFieldWidth, QLatin1Char(' ')) + QLatin1Char('|');
}

}  // namespace

int ValidCount(const uint8_t* answer, int channel) { return answer[channel]; }

Record SlotRecord(const uint8_t* answer, int channel, int slot) {
  const uint8_t* bytes = answer + 2 + (channel * kSlots + slot) * kRecordSize;
  Record record{};
  for (int v = 0; v < kValues; ++v) record[v] = bytes[2 * v] << 8 | bytes[2 * v + 1];
  return record;
}

QString RecordLine(const Record& record) {
  QString line;
  for (int value : record) line += Field(QString::number(value));
  return line;
}

QString HeaderLine() {
  QString line;
  for (const char* heading : kHeadings) line += Field(QString::fromLatin1(heading));
  return line;
}

}  // namespace flowlog
