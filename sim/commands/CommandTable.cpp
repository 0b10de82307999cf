#include <array>

#include "LiveState.h"
#include "Sensors.h"
#include "commands/Command.h"
#include "commands/Handlers.h"

namespace sim {

namespace {

using namespace commands;

std::array<CommandHandler, 256> BuildTable() {
  std::array<CommandHandler, 256> t{};
  t[3] = {MemoryCount, ReadMemory};
  t[4] = {Fixed<0>, WriteMemory};
  t[5] = {Fixed<0>, WriteMemoryValue};
  t[6] = {Fixed<0>, Greet};
  t[7] = {Fixed<0>, RefreshEeprom};
  t[8] = {Fixed<0>, SetFanDac};
  t[9] = {Fixed<2>, ReadAdc};
  t[10] = {Fixed<2>, IsolatorCommand};
  t[11] = {Fixed<2>, ReadUltra};
  t[12] = {Fixed<0>, SetLeds};
  t[14] = {Fixed<3>, ReadButtons};
  t[15] = {Fixed<4>, ReadRemotes};
  t[16] = {Fixed<1>, ReadInput};
  t[17] = {Fixed<6>, ReadSounders};
  t[18] = {Fixed<3>, ReadCover};
  t[19] = {Fixed<7>, ReadClock};
  t[20] = {Fixed<0>, SetClock};
  t[21] = {Fixed<0>, ForceLogEvent};
  t[22] = {Fixed<0>, ClearLog};
  t[23] = {Fixed<0>, ClearOperatingHours};
  t[24] = {Fixed<0>, SetStandAloneLoop};
  t[25] = {Fixed<kSensorAnswerSize>, PollSensor};
  t[26] = {Fixed<frame::kMaxData>, ReadFlowLog};
  t[27] = {Fixed<0>, TestFan};
  t[28] = {Fixed<0>, RestoreArea};
  t[29] = {Fixed<0>, RestartDevice};
  t[30] = {Fixed<kStateSize>, ReadState};
  t[31] = {Fixed<0>, UpdateBackup};
  t[32] = {Fixed<7>, ReadEepromStatus};
  t[33] = {Fixed<0>, SetRelay};
  t[34] = {Fixed<0>, DeviceAction};
  t[35] = {Fixed<1>, QueryRestart};
  t[36] = {Fixed<frame::kMaxData>, Extended};
  return t;
}

}  // namespace

const CommandHandler* FindCommand(uint8_t code) {
  static const std::array<CommandHandler, 256> table = BuildTable();
  return table[code].run ? &table[code] : nullptr;
}

}  // namespace sim
