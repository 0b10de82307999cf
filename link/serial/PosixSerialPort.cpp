// POSIX backend of the serial layer: termios for the line, poll() against
// steady-clock deadlines for the time-outs.
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <chrono>

#include "SerialPort.h"

namespace serial {
namespace {

using Clock = std::chrono::steady_clock;

speed_t BaudConstant(uint32_t baud) {
  switch (baud) {
    case 9600: return B9600;
    case 19200: return B19200;
    case 57600: return B57600;
    case 115200: return B115200;
    default: return B38400;
  }
}

tcflag_t ByteSizeFlag(uint8_t bits) {
  switch (bits) {
    case 5: return CS5;
    case 6: return CS6;
    case 7: return CS7;
    default: return CS8;
  }
}

int MsUntil(Clock::time_point deadline) {
  // Rounded up, so poll never wakes a hair before the deadline and loops once more.
  auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() <= 0 ? 0 : static_cast<int>(left.count());
}

class PosixSerialPort final : public SerialPort {
 public:
  ~PosixSerialPort() override { Close(); }

  OpenResult Open(const std::string& devicePath, const LineSettings& line) override {
    Close();
    fd_ = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) return {OpenStep::Open, errno};
    // flock first: root is not stopped by TIOCEXCL, but every opener of ours meets the lock.
    if (flock(fd_, LOCK_EX | LOCK_NB) != 0) return Fail(OpenStep::Open);
    if (ioctl(fd_, TIOCEXCL) != 0 && errno != ENOTTY) return Fail(OpenStep::Open);
    exclusive_ = true;

    termios tio{};
    if (tcgetattr(fd_, &tio) != 0) return Fail(OpenStep::GetSettings);
    cfmakeraw(&tio);
    // The protocol is binary: XON/XOFF would swallow every 0x11 and 0x13 byte.
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK | PARMRK);
    tio.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS | CSIZE | PARENB | PARODD | CSTOPB);
    tio.c_cflag |= CLOCAL | CREAD | ByteSizeFlag(line.byteSize);
    if (line.parity != 0) tio.c_cflag |= PARENB | (line.parity == 1 ? PARODD : 0);
    if (line.stopBits != 0) tio.c_cflag |= CSTOPB;
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    cfsetispeed(&tio, BaudConstant(line.baudRate));
    cfsetospeed(&tio, BaudConstant(line.baudRate));
    if (tcsetattr(fd_, TCSANOW, &tio) != 0) return Fail(OpenStep::SetSettings);
    // tcsetattr succeeds when any one change took; read back to be sure all did.
    termios back{};
    if (tcgetattr(fd_, &back) != 0) return Fail(OpenStep::GetSettings);
    if (back.c_iflag != tio.c_iflag || back.c_oflag != tio.c_oflag ||
        back.c_lflag != tio.c_lflag || (back.c_cflag & CSIZE) != (tio.c_cflag & CSIZE) ||
        (back.c_cflag & (PARENB | CSTOPB | CRTSCTS)) != (tio.c_cflag & (PARENB | CSTOPB | CRTSCTS))) {
      errno = EINVAL;
      return Fail(OpenStep::SetSettings);
    }
    return {};
  }

  bool IsOpen() const override { return fd_ >= 0; }

  void Close() override {
    if (fd_ < 0) return;
    // Lift the exclusive mode, or the next opener meets EBUSY while another
    // holder (a simulator, a terminal) keeps the tty alive.
    if (exclusive_) ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
    exclusive_ = false;
  }

  void DiscardInput() override {
    if (fd_ >= 0) tcflush(fd_, TCIFLUSH);
  }

  IoResult Write(const uint8_t* bytes, size_t count, int timeoutMs) override {
    IoResult r;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (r.count < count) {
      ssize_t n = ::write(fd_, bytes + r.count, count - r.count);
      if (n > 0) {
        r.count += static_cast<size_t>(n);
        continue;
      }
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && errno != EAGAIN) return Failed(r, errno);
      int waitMs = MsUntil(deadline);
      if (waitMs == 0) return Failed(r, ETIMEDOUT);
      pollfd p{fd_, POLLOUT, 0};
      int ready = ::poll(&p, 1, waitMs);
      if (ready < 0 && errno != EINTR) return Failed(r, errno);
      if (ready > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL))) return Failed(r, EIO);
    }
    return r;
  }

  IoResult Read(uint8_t* bytes, size_t count, int interByteMs, int totalMs) override {
    IoResult r;
    const auto totalDeadline = Clock::now() + std::chrono::milliseconds(totalMs);
    auto gapDeadline = totalDeadline;
    while (r.count < count) {
      // Poll first: an answer is rarely in before it is waited for, and one
      // system call less per read is most of the transport's overhead.
      pollfd p{fd_, POLLIN, 0};
      int ready = ::poll(&p, 1, MsUntil(r.count > 0 ? gapDeadline : totalDeadline));
      if (ready < 0) {
        if (errno == EINTR) continue;
        return Failed(r, errno);
      }
      if (ready == 0) return r;  // time-out: fewer bytes, maybe none
      if (!(p.revents & POLLIN)) return Failed(r, EIO);  // hang-up or error, nothing left to read
      ssize_t n = ::read(fd_, bytes + r.count, count - r.count);
      if (n > 0) {
        r.count += static_cast<size_t>(n);
        // The gap counts from the last arrival; bytes already waiting count from the call.
        gapDeadline =
            std::min(totalDeadline, Clock::now() + std::chrono::milliseconds(interByteMs));
      } else if (n == 0) {
        return Failed(r, EIO);  // hang-up: the device went away
      } else if (errno != EAGAIN && errno != EINTR) {
        return Failed(r, errno);
      }
    }
    return r;
  }


 private:
  OpenResult Fail(OpenStep step) { return {step, errno}; }

  static IoResult Failed(IoResult r, int err) {
    r.failed = true;
    r.error = err;
    return r;
  }

  int fd_ = -1;
  bool exclusive_ = false;
};

}  // namespace

std::unique_ptr<SerialPort> CreateSerialPort() { return std::make_unique<PosixSerialPort>(); }

// Read and Write report a hang-up as EIO; a vanished USB device also gives ENXIO or ENODEV.
bool IsDeviceGone(int error) { return error == EIO || error == ENXIO || error == ENODEV; }

}  // namespace serial
