// What the user is told about the line: why a port did not open, in words
// they can act on, and whether the device went away.
#include <grp.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "TKV.h"
#include "serial/PortDirectory.h"
#include "serial/SerialPort.h"

namespace {

// A user who may not open the device learns which group grants it.
std::string PermissionCause(const std::string& device) {
  struct stat st {};
  if (device.empty() || stat(device.c_str(), &st) != 0) return "permission denied";
  const group* g = getgrgid(st.st_gid);
  std::string name = g ? g->gr_name : std::to_string(st.st_gid);
  return "permission denied, the user must be in group '" + name + "'";
}

std::string NoSuchPortCause() {
  const size_t found = serial::ListComPorts().size();
  return "no such port, " + std::to_string(found) +
         (found == 1 ? " serial device" : " serial devices") +
         " found, see the device-manager button";
}

// Empty when the step's own text says all there is.
std::string Cause(bool openStep, int error, const std::string& device) {
  if (!openStep) return error == ENOTTY ? "not a serial device" : "";
  switch (error) {
    case ENOENT:
    case ENXIO:
    case ENODEV: return NoSuchPortCause();
    case EBUSY:
    case EWOULDBLOCK: return "in use by another program";  // TIOCEXCL, or our lock
    case EACCES:
    case EPERM: return PermissionCause(device);
    default: return std::strerror(error);
  }
}

// " (COM7, /dev/ttyUSB0)" in at most `room` characters: a long device path
// loses its front, where the folders are, and keeps its name.
std::string PortPart(unsigned port, const std::string& device, size_t room) {
  const std::string com = "COM" + std::to_string(port);
  const size_t bare = com.size() + 3;   // " (" and ")"
  const size_t frame = com.size() + 5;  // and ", "
  if (room < bare) return {};
  if (device.empty() || room < frame + 4) return " (" + com + ")";
  std::string shown = device;
  if (frame + shown.size() > room) {
    size_t from = shown.size() - (room - frame - 3);
    while (from < shown.size() && (static_cast<unsigned char>(shown[from]) & 0xC0) == 0x80)
      ++from;  // never half a character
    shown = "..." + shown.substr(from);
  }
  return " (" + com + ", " + shown + ")";
}

}  // namespace

int TKV::FailToOpen(const char* stepText, int error) {
  char invalidHandle[32];
  std::snprintf(invalidHandle, sizeof invalidHandle, "Invalid Handle (%d)", -1);
  std::string text = stepText ? stepText : invalidHandle;
  const std::string cause = Cause(stepText == nullptr, error, PortDevice);
  if (!cause.empty()) {
    text += ": " + cause;
    // The causes are short enough never to be cut; the port and its path take
    // what is left of the buffer before the terminator.
    const size_t capacity = ErrorText.size() - 1;
    text += PortPart(PortNumber, PortDevice, capacity > text.size() ? capacity - text.size() : 0);
  }
  FailWithPortError(text.c_str(), error);
  return 0;
}

void TKV::NoteLinkState(int exchanged) {
  if (exchanged)
    LinkLost = 0;  // the detector answered, whatever it said
  else if (LastResult == ResultWindowsError)
    LinkLost = serial::IsDeviceGone(static_cast<int>(WindowsError)) ? 1 : 0;
  // A time-out proves nothing either way.
}
