#include "EepromFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "MemoryMap.h"

namespace sim {

namespace {

constexpr char kEepromFileMagic[] = "VORENXR-SIM EEPROM 1\n";
constexpr size_t kMagicSize = sizeof kEepromFileMagic - 1;
constexpr long long kEepromFileSize = kMagicSize + memory::kEepromSize + 4;  // with the CRC-32

std::string Problem(const std::string& path, const std::string& reason) {
  return "EEPROM file '" + path + "': " + reason;
}

std::string SizeText(long long size) {
  return std::to_string(size) + " bytes instead of " + std::to_string(kEepromFileSize);
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  int release() {
    int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

bool ReadAll(int fd, uint8_t* out, size_t count) {
  while (count > 0) {
    ssize_t n = ::read(fd, out, count);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    out += n;
    count -= static_cast<size_t>(n);
  }
  return true;
}

bool WriteAll(int fd, const uint8_t* bytes, size_t count) {
  while (count > 0) {
    ssize_t n = ::write(fd, bytes, count);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes += n;
    count -= static_cast<size_t>(n);
  }
  return true;
}

std::string DirectoryOf(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

uint32_t Crc32(const uint8_t* bytes, size_t count) {
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < count; ++i) {
    crc ^= bytes[i];
    for (int bit = 0; bit < 8; ++bit) crc = crc >> 1 ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

}  // namespace

EepromFileRead ReadEepromFile(const std::string& path, std::vector<uint8_t>& eeprom,
                              std::string& error) {
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) {
    if (errno == ENOENT) return EepromFileRead::Missing;
    error = Problem(path, std::strerror(errno));
    return EepromFileRead::Refused;
  }
  struct stat info {};
  if (fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
    error = Problem(path, "not a regular file");
    return EepromFileRead::Refused;
  }
  std::vector<uint8_t> content(
      static_cast<size_t>(std::min<long long>(info.st_size, kEepromFileSize)));
  if (!ReadAll(fd.get(), content.data(), content.size())) {
    error = Problem(path, std::string("cannot be read: ") + std::strerror(errno));
    return EepromFileRead::Refused;
  }
  // A file cut short is told apart from one of another kind by its first bytes.
  if (!content.empty() &&
      std::memcmp(content.data(), kEepromFileMagic, std::min(content.size(), kMagicSize)) != 0) {
    error = Problem(
        path, "not a simulator EEPROM file (it does not begin with \"VORENXR-SIM EEPROM 1\")");
    return EepromFileRead::Refused;
  }
  if (info.st_size != kEepromFileSize) {
    error = Problem(path, std::string(info.st_size < kEepromFileSize ? "too short" : "too long") +
                              " (" + SizeText(info.st_size) + ")");
    return EepromFileRead::Refused;
  }
  const uint8_t* data = content.data() + kMagicSize;
  const uint8_t* trailer = data + memory::kEepromSize;
  const uint32_t stored =
      static_cast<uint32_t>(trailer[0]) | static_cast<uint32_t>(trailer[1]) << 8 |
      static_cast<uint32_t>(trailer[2]) << 16 | static_cast<uint32_t>(trailer[3]) << 24;
  if (stored != Crc32(data, memory::kEepromSize)) {
    error = Problem(path, "corrupt (its CRC-32 does not match the EEPROM bytes)");
    return EepromFileRead::Refused;
  }
  eeprom.assign(data, trailer);
  return EepromFileRead::Loaded;
}

bool WriteEepromFile(const std::string& path, const std::vector<uint8_t>& eeprom,
                     std::string& error) {
  std::vector<uint8_t> content(kEepromFileMagic, kEepromFileMagic + kMagicSize);
  content.insert(content.end(), eeprom.begin(), eeprom.end());
  const uint32_t crc = Crc32(eeprom.data(), eeprom.size());
  for (int shift = 0; shift < 32; shift += 8) content.push_back(static_cast<uint8_t>(crc >> shift));

  std::string temporary = path + ".XXXXXX";
  Descriptor fd(mkostemp(temporary.data(), O_CLOEXEC));
  if (fd.get() < 0) {
    error = Problem(path, std::string("cannot create a temporary file: ") + std::strerror(errno));
    return false;
  }
  auto fail = [&](const char* what) {
    error = Problem(path, std::string(what) + ": " + std::strerror(errno));
    ::unlink(temporary.c_str());
    return false;
  };
  struct stat old {};  // a file replaced keeps its permissions
  if (::stat(path.c_str(), &old) == 0 && fchmod(fd.get(), old.st_mode & 07777) != 0)
    return fail("cannot keep its permissions");
  if (!WriteAll(fd.get(), content.data(), content.size())) return fail("cannot be written");
  if (fsync(fd.get()) != 0) return fail("cannot be flushed to the disk");
  if (::close(fd.release()) != 0) return fail("cannot be written");
  if (::rename(temporary.c_str(), path.c_str()) != 0) return fail("cannot be put in place");
  // The rename itself reaches the disk with the directory.
  Descriptor directory(::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.get() >= 0) fsync(directory.get());
  return true;
}

}  // namespace sim
