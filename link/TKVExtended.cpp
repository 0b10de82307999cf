// Command 36: a sub-command and eleven argument bytes, always 1024 bytes each way.
#include "TKV.h"

namespace {
constexpr uint8_t kExtended = 36;
}

int TKV::ExtendedCommand(const int32_t* params, const int32_t* data, int32_t* answer) {
  if (!ConnectedOr10()) return 0;
  for (int i = 0; i < frame::kMaxData; ++i) Staging[i] = static_cast<uint8_t>(data[i] & 0xFF);
  frame::Params p{};
  for (int k = 0; k < frame::kParamCount; ++k) p[k] = static_cast<uint8_t>(params[k] & 0xFF);
  LastResult = 0;
  if (!SendCommand(kExtended, frame::kMaxData, frame::kMaxData, p, Staging.data(),
                   Answer.data())) {
    MapRefusal(ResultUnknown);
    return 0;
  }
  for (int i = 0; i < frame::kMaxData; ++i) answer[i] = Answer[i + 1];
  return 1;
}
