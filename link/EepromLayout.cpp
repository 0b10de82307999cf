#include "EepromLayout.h"

#include <array>
#include <vector>

#include "MemoryMap.h"

namespace layout {
namespace {

// A run of bytes with one meaning; a '#' in it becomes the number of the part,
// from 1 ("user password, digit #").
struct Field {
  int first;
  int last;
  const char* meaning;
  int step = 1;  // bytes between parts
};

const std::vector<Field> kImage = {
    {0, 13, "loop-based data"},
    {14, 17, "loop-based data: serial number copy, byte #"},
    {18, 47, "loop-based data"},
    {48, 48, "[LOB] checksum"},
    {256, 256, "sensor count"},
    {257, 257, "channel count"},
    {258, 258, "device id"},
    {259, 259, "variant: 1 stand alone, 2 loop based, 3 zandt, 4 quib"},
    {260, 263, "serial number, byte #"},
    {264, 264, "parameters schema id"},
    {265, 265, "firmware major version"},
    {266, 266, "hardware version"},
    {267, 267, "mc version"},
    {268, 268, "manufacturing day"},
    {269, 269, "manufacturing month"},
    {270, 270, "manufacturing year, two digits (100 or more reads as 11)"},
    {271, 271, "manufacturing hour"},
    {272, 272, "manufacturing minute"},
    {273, 273, "firmware minor version"},
    {274, 274, "firmware build"},
    {275, 275, "[FCT] checksum"},
    {276, 279, "user password, digit #"},
    {280, 280, "configuration id (CID)"},
    {281, 281, "configuration date: day"},
    {282, 282, "configuration date: month"},
    {283, 283, "configuration date: year, two digits (100 or more reads as 11)"},
    {284, 284, "configuration time: hour"},
    {285, 285, "configuration time: minute"},
    {286, 286, "configuration time: second"},
    {287, 288, "channel # enabled"},
    {289, 290, "sensor # enabled"},
    {291, 291, "disable time, minutes"},
    {292, 292, "maintenance time-out, minutes"},
    {293, 293, "trend-log interval, minutes"},
    {294, 294, "mirroring LEDs enabled"},
    {295, 295, "supplies monitored: 1 one, 2 both"},
    {297, 297, "day/night operation enabled"},
    {298, 298, "day start: hour"},
    {299, 299, "day start: minute"},
    {300, 300, "day end: hour"},
    {301, 301, "day end: minute"},
    {302, 302, "night mode on Monday"},
    {303, 303, "night mode on Tuesday"},
    {304, 304, "night mode on Wednesday"},
    {305, 305, "night mode on Thursday"},
    {306, 306, "night mode on Friday"},
    {307, 307, "night mode on Saturday"},
    {308, 308, "night mode on Sunday"},
    {309, 347, "holiday #: day (0: empty slot)", 2},
    {310, 348, "holiday #: month (0: empty slot)", 2},
    {349, 349, "common chamber alarm: 2 AND, 1 not AND"},
    {350, 350, "sounder cut-off time, units of 5 s"},
    {351, 351, "loop-based alarm mode: 1 by sensor, 2 by module"},
    {352, 353, "latched alarm, channel #"},
    {354, 354, "prealarm delay, seconds"},
    {355, 355, "alarm delay, seconds"},
    {356, 356, "cascade alarm"},
    {357, 357, "sounder activation on prealarm"},
    {358, 358, "loop-based sensor time-out, seconds"},
    {359, 360, "alarm level by day, channel #"},
    {361, 362, "prealarm level by day, channel #"},
    {363, 364, "alarm level by night, channel #"},
    {365, 366, "prealarm level by night, channel #"},
    {367, 367, "auxiliary relay for the channel 2 fault"},
    {370, 370, "remote output / base relay alarm time, units of 50 ms"},
    {372, 387, "channel 1 label, character #"},
    {388, 403, "channel 2 label, character #"},
    {404, 404, "reference flow, channel 1"},
    {406, 406, "reference flow, channel 2"},
    {408, 408, "maximum flow, channel 1"},
    {410, 410, "maximum flow, channel 2"},
    {412, 412, "minimum flow, channel 1"},
    {414, 414, "minimum flow, channel 2"},
    {416, 416, "filter 1 due date: day"},
    {417, 417, "filter 1 due date: month"},
    {418, 418, "filter 1 due date: year"},
    {419, 419, "filter 2 due date: day"},
    {420, 420, "filter 2 due date: month"},
    {421, 421, "filter 2 due date: year"},
    {422, 423, "fan speed control: 0 automatic, 1 manual, channel #"},
    {426, 426, "daylight saving: 0 no, 1 yes, 2 auto"},
    {427, 427, "daylight-saving start: day"},
    {428, 428, "daylight-saving start: month"},
    {430, 430, "daylight-saving start: hour"},
    {431, 431, "daylight-saving start: minute"},
    {432, 432, "daylight-saving end: day"},
    {433, 433, "daylight-saving end: month"},
    {435, 435, "daylight-saving end: hour"},
    {436, 436, "daylight-saving end: minute"},
    {437, 437, "fault latching: 0 latched, 1 not latched"},
    {439, 439, "fault delay, seconds"},
    {440, 440, "flow fault delay, seconds"},
    {442, 442, "power restart time, seconds (255 allowed)"},
    {454, 455, "manual fan speed, steps 1..10, channel #"},
    {457, 457, "aux fault on temperature alert"},
    {458, 458, "aux fault on external input not normal"},
    {459, 459, "aux fault on low power alert"},
    {460, 460, "aux fault on flow fault"},
    {461, 461, "aux fault on sensor communication or low chamber fault"},
    {462, 462, "aux fault on power restart alert"},
    {464, 464, "aux fault latching: 0 latched, 1 not latched"},
    {465, 465, "external input normal state: 1 short"},
    {466, 466, "external input event: input fault"},
    {467, 467, "external input event: sounder silencing"},
    {468, 468, "external input event: device reset"},
    {469, 469, "external input event: ASD disabling"},
    {470, 470, "disabling time by external input, minutes, low byte"},
    {471, 471, "disabling time by external input, minutes, high byte"},
    {472, 475, "reference air pressure, Pa, 32-bit little-endian, byte #"},
    {484, 485, "flow correction, channel #"},
    {495, 495, "[CFG] checksum"},
    {501, 510, "fixed factory table, entry #"},
};

const std::vector<Field> kOnf = {
    {0, 3, "operating hours, byte #"},
    {4, 4, "log count, low byte"},
    {5, 5, "log count, high byte (255: blank log)"},
    {6, 6, "log full"},
    {7, 7, "restart to maintenance"},
    {63, 63, "[ONF] checksum"},
};

template <size_t N>
std::array<std::string, N> Expand(const std::vector<Field>& fields) {
  std::array<std::string, N> out;
  for (const Field& f : fields) {
    int part = 1;
    for (int a = f.first; a <= f.last; a += f.step, ++part) {
      std::string text = f.meaning;
      if (size_t hash = text.find('#'); hash != std::string::npos)
        text.replace(hash, 1, std::to_string(part));
      out[static_cast<size_t>(a)] = text;
    }
  }
  return out;
}

template <size_t N>
const std::string& Lookup(const std::array<std::string, N>& table, int index) {
  static const std::string kNone;
  return index >= 0 && index < static_cast<int>(N) ? table[static_cast<size_t>(index)] : kNone;
}

}  // namespace

const std::string& ImageByteMeaning(int address) {
  static const auto table = Expand<memory::kImageSize>(kImage);
  return Lookup(table, address);
}

const std::string& OnfByteMeaning(int offset) {
  static const auto table = Expand<memory::kLogHeaderSize>(kOnf);
  return Lookup(table, offset);
}

}  // namespace layout
