#include "CommandLine.h"

#include <cstdlib>
#include <functional>
#include <map>
#include <sstream>

#include "Variants.h"

namespace sim {

const char kUsage[] =
    "Usage: vorenxr-sim [OPTION]...\n"
    "A simulated VOREN XR detector on a pseudo-terminal. Prints the slave path of\n"
    "the line, then one line per COM port registered, and answers the detector's\n"
    "protocol until SIGINT or SIGTERM; its links are removed on exit.\n"
    "\n"
    "Line:\n"
    "  --com N                 register the line as COMN in the port directory\n"
    "                          ($VORENXR_PORTS_DIR, else $XDG_RUNTIME_DIR/vorenxr/ports,\n"
    "                          else /tmp/vorenxr-<uid>/ports); repeatable\n"
    "  --link PATH             make PATH a symbolic link to the line; repeatable\n"
    "\n"
    "Detector:\n"
    "  --variant NAME          stand-alone (default), loop-based, quib or zandt\n"
    "  --channels 1|2          sampling channels (default 2)\n"
    "  --eeprom-not-read       the detector reports that it has not read its EEPROM\n"
    "  --wrong-configuration   the detector reports a wrong configuration\n"
    "  --bad-factory-checksum  [FCT] checksum fails\n"
    "  --bad-config-checksum   [CFG] checksum fails\n"
    "  --bad-loop-checksum     [LOB] checksum fails\n"
    "  --bad-log-header-checksum\n"
    "                          log header checksum fails\n"
    "  --bad-backup lob|fct|cfg|onf\n"
    "                          the backup copy of that area fails its checksum, so\n"
    "                          restoring it (command 28, and the whole image for\n"
    "                          lob, fct and cfg) is refused; repeatable\n"
    "  --log normal|blank|full\n"
    "                          event log content (default normal; full has all\n"
    "                          2244 entries written and counts 2243)\n"
    "  --restart-pending 0|1   answer of the restart query (default 0)\n"
    "  --restart-to-maintenance\n"
    "                          a pending restart goes to maintenance mode\n"
    "  --eeprom PATH           keep the 32 KiB EEPROM in PATH, so what the tool\n"
    "                          writes survives a restart of the simulator. An\n"
    "                          existing file is loaded at start (it replaces the\n"
    "                          EEPROM the options above make; the backup copy is\n"
    "                          not kept); a missing one is made from the factory\n"
    "                          EEPROM. Saved after every command that changed the\n"
    "                          EEPROM and at exit, through a temporary file that is\n"
    "                          renamed over PATH. The file holds the line\n"
    "                          \"VORENXR-SIM EEPROM 1\", the 32768 bytes and their\n"
    "                          CRC-32 (4 bytes, least significant first); a file that\n"
    "                          is corrupt, short, long or unreadable is refused at\n"
    "                          start (exit code 1) and left as it is\n"
    "\n"
    "Inputs and outputs:\n"
    "  --press NAME:AT[:FOR]   press NAME AT milliseconds after the start and release\n"
    "                          it FOR milliseconds later (without FOR it stays\n"
    "                          pressed); NAME is reset, test or disable (the front\n"
    "                          buttons), input (the external input is shorted) or\n"
    "                          cover (the cover switch is closed; without a press the\n"
    "                          cover is open); repeatable, e.g. --press test:2000:1000\n"
    "  --unsettled-density     the ultrasonic counts swing by 60 from one measurement\n"
    "                          to the next, so an air density test fails\n"
    "  --sounders-unloaded     both sounder lines lack their 47 kohm end-of-line load\n"
    "                          (analogue channels 0 and 1 read an open line)\n"
    "\n"
    "Faults (repeatable, applied in the order given):\n"
    "  --fault KIND[:COMMAND[:COUNT[:PARAM]]]\n"
    "                          one fault, its fields as below\n"
    "\n"
    "Fault KIND:\n"
    "  refuse                  status 0 with the full answer length\n"
    "  silent                  no answer\n"
    "  short                   answer cut by PARAM bytes\n"
    "  long                    PARAM random bytes after the answer\n"
    "  bad-checksum            last answer byte inverted\n"
    "  split                   half the answer, a pause of PARAM ms, the rest\n"
    "  delay                   answer after PARAM ms\n"
    "  garbage                 PARAM random bytes instead of the answer\n"
    "                          (0: as many as the answer has)\n"
    "  drop-line               close the line; the tool sees a hang-up\n"
    "  store-different         a memory write (4, 5, or 36 sub-command 5) is\n"
    "                          acknowledged, but every byte is stored with its\n"
    "                          lowest bit inverted\n"
    "  echo                    the request sent back instead of the answer\n"
    "                          (the detector does not carry it out)\n"
    "  flood                   random bytes at the line's rate for PARAM ms\n"
    "                          instead of the answer (at least one burst)\n"
    "  trickle                 the answer one byte at a time, PARAM ms apart\n"
    "  late-next               the answer held back until the next request\n"
    "                          has come in, then sent; that request's own\n"
    "                          answer follows PARAM ms later\n"
    "\n"
    "Fault COMMAND, COUNT and PARAM:\n"
    "  COMMAND                 command code 0..255, or 'any' (default)\n"
    "  COUNT                   next COUNT matching requests (default 1), or 'always'\n"
    "  PARAM                   milliseconds or bytes as above (default 0)\n"
    "\n"
    "Other options:\n"
    "  -h, --help              show this text and exit\n"
    "  --version               show the version and exit\n";

namespace {

bool ToInt(const std::string& text, int low, int high, int& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  long v = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || v < low || v > high) return false;
  value = static_cast<int>(v);
  return true;
}

const std::map<std::string, FaultKind> kFaultNames = {
    {"refuse", FaultKind::Refuse},
    {"silent", FaultKind::Silent},
    {"short", FaultKind::Short},
    {"long", FaultKind::Long},
    {"bad-checksum", FaultKind::BadChecksum},
    {"split", FaultKind::Split},
    {"delay", FaultKind::Delay},
    {"garbage", FaultKind::Garbage},
    {"drop-line", FaultKind::DropLine},
    {"store-different", FaultKind::StoreDifferent},
    {"echo", FaultKind::Echo},
    {"flood", FaultKind::Flood},
    {"trickle", FaultKind::Trickle},
    {"late-next", FaultKind::LateNext},
};

const std::map<std::string, Switch> kSwitchNames = {
    {"reset", Switch::Reset}, {"test", Switch::Test},   {"disable", Switch::Disable},
    {"input", Switch::ExternalInput}, {"cover", Switch::Cover},
};

const std::map<std::string, BackupArea> kBackupAreaNames = {
    {"lob", BackupArea::Loop},
    {"fct", BackupArea::Factory},
    {"cfg", BackupArea::Config},
    {"onf", BackupArea::OnField},
};

std::vector<std::string> SplitColons(const std::string& text) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  std::string part;
  while (std::getline(in, part, ':')) parts.push_back(part);
  if (!text.empty() && text.back() == ':') parts.push_back("");
  return parts;
}

}  // namespace

bool ParseFault(const std::string& text, Fault& fault, std::string& error) {
  std::vector<std::string> p = SplitColons(text);
  auto kind = p.empty() ? kFaultNames.end() : kFaultNames.find(p[0]);
  if (kind == kFaultNames.end() || p.size() > 4) {
    error = "bad fault '" + text + "'";
    return false;
  }
  fault = Fault{kind->second};
  bool ok = true;
  if (p.size() > 1 && p[1] != "any") ok = ToInt(p[1], 0, 255, fault.command);
  if (ok && p.size() > 2)
    ok = p[2] == "always" ? (fault.count = -1, true) : ToInt(p[2], 1, 1 << 30, fault.count);
  if (ok && p.size() > 3) ok = ToInt(p[3], 0, 600000, fault.param);
  if (!ok) error = "bad fault '" + text + "'";
  return ok;
}

bool ParsePress(const std::string& text, ScheduledPress& press) {
  std::vector<std::string> p = SplitColons(text);
  auto name = p.empty() ? kSwitchNames.end() : kSwitchNames.find(p[0]);
  if (name == kSwitchNames.end() || p.size() < 2 || p.size() > 3) return false;
  press = ScheduledPress{name->second, 0, -1};
  constexpr int kLongest = 24 * 3600 * 1000;
  return ToInt(p[1], 0, kLongest, press.atMs) && (p.size() == 2 || ToInt(p[2], 0, kLongest, press.forMs));
}

bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& out, std::string& error) {
  DetectorOptions& d = out.detector;
  const std::map<std::string, bool*> flags = {
      {"--eeprom-not-read", &d.eepromNotRead},
      {"--wrong-configuration", &d.wrongConfiguration},
      {"--bad-factory-checksum", &d.badFactoryChecksum},
      {"--bad-config-checksum", &d.badConfigChecksum},
      {"--bad-loop-checksum", &d.badLoopChecksum},
      {"--bad-log-header-checksum", &d.badLogHeaderChecksum},
      {"--restart-to-maintenance", &d.restartToMaintenance},
      {"--unsettled-density", &d.unsettledDensity},
      {"--sounders-unloaded", &d.soundersUnloaded},
      {"--help", &out.help},
      {"-h", &out.help},
      {"--version", &out.version},
  };
  const std::map<std::string, std::function<bool(const std::string&)>> valued = {
      {"--com",
       [&](const std::string& v) {
         int n = 0;
         if (!ToInt(v, 1, 255, n)) return false;
         out.coms.push_back(static_cast<unsigned>(n));
         return true;
       }},
      {"--link",
       [&](const std::string& v) {
         out.links.push_back(v);
         return !v.empty();
       }},
      {"--variant",
       [&](const std::string& v) {
         const VariantTraits* t = FindVariant(v);
         if (t) d.variant = t->variant;
         return t != nullptr;
       }},
      {"--channels", [&](const std::string& v) { return ToInt(v, 1, 2, d.channels); }},
      {"--restart-pending", [&](const std::string& v) { return ToInt(v, 0, 1, d.restartPending); }},
      {"--log",
       [&](const std::string& v) {
         const std::map<std::string, LogFill> fills = {
             {"normal", LogFill::Normal}, {"blank", LogFill::Blank}, {"full", LogFill::Full}};
         auto it = fills.find(v);
         if (it != fills.end()) d.log = it->second;
         return it != fills.end();
       }},
      {"--bad-backup",
       [&](const std::string& v) {
         auto it = kBackupAreaNames.find(v);
         if (it != kBackupAreaNames.end()) d.badBackups.push_back(it->second);
         return it != kBackupAreaNames.end();
       }},
      {"--eeprom",
       [&](const std::string& v) {
         d.eepromFile = v;
         return !v.empty();
       }},
      {"--press",
       [&](const std::string& v) {
         ScheduledPress press{Switch::Test, 0, -1};
         if (!ParsePress(v, press)) return false;
         d.presses.push_back(press);
         return true;
       }},
      {"--fault",
       [&](const std::string& v) {
         Fault f{FaultKind::Refuse};
         std::string ignored;
         if (!ParseFault(v, f, ignored)) return false;
         out.faults.push_back(f);
         return true;
       }},
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (auto flag = flags.find(arg); flag != flags.end()) {
      *flag->second = true;
      continue;
    }
    auto option = valued.find(arg);
    if (option == valued.end()) {
      error = "unknown option '" + arg + "'";
      return false;
    }
    if (i + 1 == args.size()) {
      error = "option '" + arg + "' needs a value";
      return false;
    }
    const std::string& value = args[++i];
    if (!option->second(value)) {
      error = "bad value '" + value + "' for " + arg;
      return false;
    }
  }
  return true;
}

}  // namespace sim
