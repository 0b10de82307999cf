#include "HeadlessSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace {
int wakePipe[2] = {-1, -1};
volatile sig_atomic_t arrived = 0;
constexpr int kSignals[] = {SIGINT, SIGTERM};

void Note(int) {
  arrived = 1;
  const char byte = 1;
  // Nothing to do when the pipe is full: one byte waiting is enough.
  [[maybe_unused]] const ssize_t written = write(wakePipe[1], &byte, 1);
}
}  // namespace

HeadlessSignals::HeadlessSignals() {
  if (pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    char bytes[16];
    while (read(wakePipe[0], bytes, sizeof bytes) > 0) {
    }
    emit Received();
  });
  struct sigaction action = {};
  action.sa_handler = Note;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  for (const int sig : kSignals) sigaction(sig, &action, nullptr);
}

HeadlessSignals::~HeadlessSignals() {
  for (const int sig : kSignals) signal(sig, SIG_DFL);
  delete notifier_;
  for (int& fd : wakePipe) {
    if (fd >= 0) close(fd);
    fd = -1;
  }
}

bool HeadlessSignals::Arrived() { return arrived != 0; }
