#include "PtyServer.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "RequestAssembler.h"

namespace sim {
namespace {

constexpr int kWriteStallMs = 1000;  // a tool that stops reading loses the rest of an answer

bool Failed(std::string* error, const char* what) {
  if (error) *error = std::string(what) + ": " + std::strerror(errno);
  return false;
}

// Binary and unescaped: no line editing, no echo, and no XON/XOFF, which would
// swallow every 0x11 and 0x13 of a frame.
bool MakeRaw(int fd) {
  termios t{};
  if (tcgetattr(fd, &t) != 0) return false;
  cfmakeraw(&t);
  t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  t.c_cflag |= CLOCAL | CREAD;
  cfsetispeed(&t, B38400);
  cfsetospeed(&t, B38400);
  return tcsetattr(fd, TCSANOW, &t) == 0;
}

void CloseFd(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

}  // namespace

PtyServer::~PtyServer() { Stop(); }

bool PtyServer::OpenLine(std::string* error) {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0) return Failed(error, "posix_openpt");
  char name[128];
  if (grantpt(master_) != 0 || unlockpt(master_) != 0 || ptsname_r(master_, name, sizeof name) != 0)
    return Failed(error, "pseudo-terminal set-up");
  slavePath_ = name;
  slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slave_ < 0) return Failed(error, "open slave");
  if (!MakeRaw(slave_)) return Failed(error, "raw mode");
  if (fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK) != 0)
    return Failed(error, "non-blocking master");
  if (pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) return Failed(error, "wake-up pipe");
  return true;
}

void PtyServer::CloseLine() {
  CloseFd(master_);
  CloseFd(slave_);
  CloseFd(wake_[0]);
  CloseFd(wake_[1]);
}

bool PtyServer::Start(Handler handler, std::string* error) {
  Stop();
  handler_ = std::move(handler);
  held_.reset();
  if (!OpenLine(error)) {
    CloseLine();
    return false;
  }
  thread_ = std::thread(&PtyServer::Serve, this);
  return true;
}

void PtyServer::Stop() {
  if (thread_.joinable()) {
    const char wake = 1;
    ssize_t ignored = ::write(wake_[1], &wake, 1);
    (void)ignored;
    thread_.join();
  }
  CloseLine();
}

void PtyServer::Serve() {
  RequestAssembler assembler;
  std::vector<std::vector<uint8_t>> complete;
  uint8_t buffer[4096];
  for (;;) {
    auto left = assembler.TimeLeft(RequestAssembler::Clock::now());
    int timeoutMs =
        left ? static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(*left).count()) + 1
             : -1;
    pollfd fds[2] = {{master_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
    if (poll(fds, 2, timeoutMs) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (fds[1].revents) return;
    auto now = RequestAssembler::Clock::now();
    if (fds[0].revents & POLLIN) {
      ssize_t n = ::read(master_, buffer, sizeof buffer);
      if (n < 0 && errno != EAGAIN && errno != EINTR) return;
      if (n > 0) assembler.Feed(buffer, static_cast<size_t>(n), now, complete);
    } else if (fds[0].revents) {
      return;  // the line is gone
    }
    for (const std::vector<uint8_t>& bytes : complete) {
      Request request{bytes.data(), static_cast<int>(bytes.size())};
      if (!SendHeld() || !Send(handler_(request))) return;
    }
    complete.clear();
    assembler.Expire(RequestAssembler::Clock::now());
  }
}

bool PtyServer::Send(const Reply& reply) {
  if (reply.dropLine) {
    // Without master and slave the tool's descriptor sees hang-up and EIO.
    CloseFd(master_);
    CloseFd(slave_);
    return false;
  }
  if (reply.heldForNext) {
    held_ = reply;
    return true;
  }
  return Emit(reply);
}

bool PtyServer::SendHeld() {
  if (!held_) return true;
  Reply late = std::move(*held_);
  held_.reset();
  return Emit(late) && Pause(late.heldGapMs);
}

bool PtyServer::Emit(const Reply& reply) {
  if (!Pause(reply.delayMs)) return false;
  const size_t size = reply.bytes.size();
  const size_t piece = reply.pieceSize > 0 ? reply.pieceSize : size;
  for (size_t at = 0; at < size; at += piece) {
    if (at > 0 && !Pause(reply.pauseMs)) return false;
    if (!WriteAll(reply.bytes.data() + at, std::min(piece, size - at))) return false;
  }
  return true;
}

bool PtyServer::WriteAll(const uint8_t* bytes, size_t count) {
  while (count > 0) {
    ssize_t n = ::write(master_, bytes, count);
    if (n > 0) {
      bytes += n;
      count -= static_cast<size_t>(n);
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
    pollfd fds[2] = {{master_, POLLOUT, 0}, {wake_[0], POLLIN, 0}};
    int ready = poll(fds, 2, kWriteStallMs);
    if (ready < 0 && errno != EINTR) return false;
    if (fds[1].revents) return false;
    if (ready == 0) return true;
  }
  return true;
}

bool PtyServer::Pause(int ms) {
  if (ms <= 0) return true;
  auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    auto left =
        std::chrono::ceil<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
    if (left.count() <= 0) return true;
    pollfd wake{wake_[0], POLLIN, 0};
    int ready = poll(&wake, 1, static_cast<int>(left.count()));
    if (ready > 0) return false;
  }
}

}  // namespace sim
