#include "SlaveLine.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>

namespace simtest {

SlaveLine::SlaveLine(const std::string& path) {
  fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) return;
  termios t{};
  tcgetattr(fd_, &t);
  cfmakeraw(&t);
  t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  cfsetspeed(&t, B38400);
  tcsetattr(fd_, TCSANOW, &t);
  tcflush(fd_, TCIFLUSH);
}

SlaveLine::~SlaveLine() {
  if (fd_ >= 0) ::close(fd_);
}

void SlaveLine::Write(const Bytes& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
    } else {
      pollfd p{fd_, POLLOUT, 0};
      if (poll(&p, 1, 1000) <= 0 || (p.revents & (POLLERR | POLLHUP))) return;
    }
  }
}

Bytes SlaveLine::Read(size_t count, int timeoutMs) {
  using Clock = std::chrono::steady_clock;
  const auto until = Clock::now() + std::chrono::milliseconds(timeoutMs);
  Bytes got;
  uint8_t buffer[2048];
  while (got.size() < count) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
    if (left <= 0) break;
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left)) <= 0 || !(p.revents & POLLIN)) break;
    ssize_t n = ::read(fd_, buffer, std::min(sizeof buffer, count - got.size()));
    if (n <= 0) break;
    got.insert(got.end(), buffer, buffer + n);
  }
  return got;
}

Bytes SlaveLine::Exchange(const Bytes& request, size_t answerLength, int timeoutMs) {
  Write(request);
  return Read(answerLength, timeoutMs);
}

bool SlaveLine::SeesHangup(int timeoutMs) {
  pollfd p{fd_, POLLIN, 0};
  if (poll(&p, 1, timeoutMs) <= 0) return false;
  if (p.revents & (POLLHUP | POLLERR)) return true;
  uint8_t byte;
  return ::read(fd_, &byte, 1) <= 0;
}

Bytes RequestFrame(uint8_t code, std::vector<uint8_t> params, const Bytes& data) {
  frame::Params p{};
  for (size_t i = 0; i < params.size() && i < p.size(); ++i) p[i] = params[i];
  Bytes out(frame::kMaxRequest);
  out.resize(static_cast<size_t>(
      frame::BuildRequest(code, static_cast<int>(data.size()), p, data.data(), out.data())));
  return out;
}

Bytes ReadMemoryRequest(int address, int count) {
  return RequestFrame(3, {static_cast<uint8_t>(address), static_cast<uint8_t>(address >> 8),
                          static_cast<uint8_t>(count), static_cast<uint8_t>(count >> 8)});
}

Bytes WriteMemoryRequest(int address, const Bytes& data) {
  int count = static_cast<int>(data.size());
  return RequestFrame(4,
                      {static_cast<uint8_t>(address), static_cast<uint8_t>(address >> 8),
                       static_cast<uint8_t>(count), static_cast<uint8_t>(count >> 8)},
                      data);
}

Bytes ExtendedRequest(std::vector<uint8_t> values) {
  return RequestFrame(36, std::move(values), Bytes(frame::kMaxData, 0));
}

Bytes Acknowledged(const Bytes& data) {
  Bytes out(static_cast<size_t>(frame::AnswerLength(static_cast<int>(data.size()))));
  frame::BuildAnswer(1, data.data(), static_cast<int>(data.size()), out.data());
  return out;
}

}  // namespace simtest
