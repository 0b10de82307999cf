#include "PortDirectory.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <fstream>

namespace serial {
namespace {

std::string EnvOrEmpty(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The end of the digit run that starts at `from`.
size_t DigitRunEnd(const std::string& s, size_t from) {
  while (from < s.size() && IsDigit(s[from])) ++from;
  return from;
}

// Compares two digit runs as numbers of any length, without converting them:
// leading zeros skipped, then the shorter run is the smaller, then digit by digit.
int CompareDigitRuns(const std::string& a, size_t i, size_t ie, const std::string& b, size_t j,
                     size_t je) {
  while (i < ie && a[i] == '0') ++i;
  while (j < je && b[j] == '0') ++j;
  if (ie - i != je - j) return ie - i < je - j ? -1 : 1;
  int order = a.compare(i, ie - i, b, j, je - j);
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}

}  // namespace

bool NaturalLess(const std::string& a, const std::string& b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      size_t ie = DigitRunEnd(a, i), je = DigitRunEnd(b, j);
      if (int order = CompareDigitRuns(a, i, ie, b, j, je)) return order < 0;
      i = ie;
      j = je;
    } else {
      if (a[i] != b[j]) return a[i] < b[j];
      ++i;
      ++j;
    }
  }
  return a.size() - i < b.size() - j;
}

namespace {

std::vector<std::string> DevicesWithPrefix(const std::string& prefix) {
  std::vector<std::string> names;
  if (DIR* d = opendir("/dev")) {
    while (dirent* e = readdir(d)) {
      std::string n = e->d_name;
      if (n.size() > prefix.size() && n.compare(0, prefix.size(), prefix) == 0) names.push_back(n);
    }
    closedir(d);
  }
  std::sort(names.begin(), names.end(), NaturalLess);
  return names;
}

// /dev/ttyS* exist on most PCs whether or not a UART is fitted; only those the
// kernel found hardware for are offered.
bool IsRealSerialDevice(const std::string& name) {
  if (name.compare(0, 5, "ttyS") != 0) return true;
  std::ifstream type("/sys/class/tty/" + name + "/type");
  int t = 0;
  return (type >> t) && t != 0;
}

std::string ReadFirstLine(const std::string& path) {
  std::ifstream f(path);
  std::string line;
  std::getline(f, line);
  return line;
}

// The USB product text, looked up through sysfs from the tty up to its USB device.
std::string UsbDescription(const std::string& name) {
  char resolved[PATH_MAX];
  std::string link = "/sys/class/tty/" + name + "/device";
  if (!realpath(link.c_str(), resolved)) return {};
  std::string dir = resolved;
  for (int up = 0; up < 4 && dir.size() > 1; ++up) {
    std::string product = ReadFirstLine(dir + "/product");
    if (!product.empty()) {
      std::string maker = ReadFirstLine(dir + "/manufacturer");
      return maker.empty() ? product : maker + " " + product;
    }
    dir = dir.substr(0, dir.find_last_of('/'));
  }
  return {};
}

std::vector<std::string> MachineSerialDevices() {
  std::vector<std::string> all;
  for (const char* prefix : {"ttyACM", "ttyUSB", "ttyS"})
    for (const std::string& n : DevicesWithPrefix(prefix))
      if (IsRealSerialDevice(n)) all.push_back(n);
  return all;
}

std::string LinkedPath(const std::string& dir, unsigned number) {
  std::string link = dir + "/COM" + std::to_string(number);
  struct stat st {};
  if (lstat(link.c_str(), &st) != 0) return {};
  return link;
}

}  // namespace

std::string ComPortDirectory() {
  std::string dir = EnvOrEmpty("VORENXR_PORTS_DIR");
  if (!dir.empty()) return dir;
  std::string runtime = EnvOrEmpty("XDG_RUNTIME_DIR");
  if (!runtime.empty()) return runtime + "/vorenxr/ports";
  return "/tmp/vorenxr-" + std::to_string(getuid()) + "/ports";
}

std::optional<std::string> ResolveComPort(unsigned number) {
  if (number == 0) return std::nullopt;
  std::string linked = LinkedPath(ComPortDirectory(), number);
  if (!linked.empty()) return linked;
  std::vector<std::string> devices = MachineSerialDevices();
  if (number > devices.size()) return std::nullopt;
  return "/dev/" + devices[number - 1];
}

std::string DeviceBehind(const std::string& path) {
  char target[PATH_MAX];
  if (realpath(path.c_str(), target)) return target;
  ssize_t n = readlink(path.c_str(), target, sizeof target - 1);
  return n > 0 ? std::string(target, static_cast<size_t>(n)) : path;
}

bool IsSimulatedLine(const std::string& device) { return device.rfind("/dev/pts/", 0) == 0; }

std::vector<ComPortEntry> ListComPorts() {
  std::vector<ComPortEntry> table;
  std::vector<std::string> devices = MachineSerialDevices();
  std::string dir = ComPortDirectory();
  for (unsigned n = 1; n <= 255; ++n) {
    std::string linked = LinkedPath(dir, n);
    if (!linked.empty()) {
      std::string shown = DeviceBehind(linked);
      std::string base = shown.substr(shown.find_last_of('/') + 1);
      table.push_back(
          {n, shown, IsSimulatedLine(shown) ? "simulated detector" : UsbDescription(base)});
    } else if (n <= devices.size()) {
      table.push_back({n, "/dev/" + devices[n - 1], UsbDescription(devices[n - 1])});
    }
  }
  return table;
}

}  // namespace serial
