// The event log: the whole log area read into memory, entries decoded one at a time.
#include <cstdlib>

#include "TKV.h"

namespace {
constexpr uint8_t kClearLog = 22;
constexpr int kBlankMarker = 255;  // in header byte 5
constexpr int32_t kBlankCount = -2;
constexpr int kBlockSize = 1024;
constexpr int kFullBlocks = 30;
constexpr int kTailSize = memory::kLogBufferSize - kFullBlocks * kBlockSize;  // 704
}  // namespace

bool TKV::LogCommandAllowed() {
  if (!ConnectedOr10()) return false;
  if (Status.WrongConfiguration == 0 && Status.EepromRead == 1) return true;
  LastResult = ResultLogUnavailable;
  return false;
}

int TKV::ReadLog() {
  if (!LogCommandAllowed()) return 0;
  LastResult = 0;
  // The header read here checks the log; the copy taken at connection stays as it was.
  uint8_t header[memory::kLogHeaderSize];
  if (!ReadMemoryInto(memory::kLogHeaderAddress, memory::kLogHeaderSize, header)) {
    MapRefusal(ResultLogHeaderRefused);
    return 0;
  }
  if (!AreaValid(header, memory::kLogHeaderArea)) {
    LastResult = ResultEepromInvalid;
    return 0;
  }
  if (header[5] == kBlankMarker) {
    LogCount = kBlankCount;
    LogLoaded = 1;
    return 1;
  }
  int32_t count = header[4] + 256 * header[5];
  if (count >= memory::kLogEntryCount) {
    LastResult = ResultLogUnavailable;
    return 0;
  }
  LogCount = count;
  LogFull = header[6] == 1 ? 1 : 0;

  LastResult = 0;
  bool ok = true;
  for (int k = 0; ok && k < kFullBlocks; ++k)
    ok = ReadMemoryInto(memory::kLogAddress + kBlockSize * k, kBlockSize,
                        LogBuffer.data() + kBlockSize * k);
  if (ok)
    ok = ReadMemoryInto(memory::kLogAddress + kBlockSize * kFullBlocks, kTailSize,
                        LogBuffer.data() + kBlockSize * kFullBlocks);
  if (!ok) {
    MapRefusal(ResultLogUnavailable);
    return 0;
  }
  LogLoaded = 1;
  return 1;
}

bool TKV::LogAvailable() {
  if (!LogCommandAllowed()) return false;
  if (LogLoaded == 1) return true;
  LastResult = ResultLogUnavailable;
  return false;
}

int TKV::GetLogRecord(int index, int32_t* eventCode, int32_t* day, int32_t* month,
                      int32_t* year, int32_t* hour, int32_t* minute, int32_t* second,
                      int32_t* temperature, int32_t* supply, int32_t* flow, int32_t* sensor) {
  if (!LogAvailable()) return 0;
  // A negative index asks for entry |index| without bounding it by the count;
  // nothing outside the log buffer is ever read.
  bool unbounded = index < 0;
  long entry = std::labs(static_cast<long>(index));
  if (entry >= memory::kLogEntryCount || (!unbounded && entry > LogCount && LogFull != 1)) {
    LastResult = ResultWrongLogIndex;
    return 0;
  }
  const LogRecord r = DecodeLogEntry(LogBuffer.data() + memory::kLogEntrySize * entry);
  *eventCode = r.EventCode;
  *day = r.Day;
  *month = r.Month;
  *year = r.Year;
  *hour = r.Hour;
  *minute = r.Minute;
  *second = r.Second;
  *temperature = r.Temperature;
  for (size_t i = 0; i < 2; ++i) {
    supply[i] = r.Supply[i];
    flow[i] = r.Flow[i];
    sensor[i] = r.Sensor[i];
  }
  return 1;
}

int TKV::ClearLog() {
  if (!LogCommandAllowed()) return 0;
  LastResult = 0;
  if (!SendCommand(kClearLog, 0, 0, {}, nullptr, Answer.data())) {
    MapRefusal(ResultLogAreaRefused);
    return 0;
  }
  LogLoaded = 0;
  return 1;
}

int TKV::GetLogCount() { return LogAvailable() ? LogCount : -1; }
int TKV::IsLogFull() { return LogAvailable() ? LogFull : -1; }
