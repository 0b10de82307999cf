#pragma once
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "Reply.h"

namespace sim {

// The detector's end of the serial line: the master side of a pseudo-terminal,
// served on a thread. The simulator keeps a descriptor of the slave side open
// for the life of the line, so the tool can close and reopen the port as often
// as it likes without the master ever seeing a hang-up.
class PtyServer {
 public:
  using Handler = std::function<Reply(const Request&)>;

  PtyServer() = default;
  ~PtyServer();
  PtyServer(const PtyServer&) = delete;
  PtyServer& operator=(const PtyServer&) = delete;

  // Opens a new line and serves it with the handler until Stop or a dropped line.
  bool Start(Handler handler, std::string* error);
  void Stop();
  const std::string& slavePath() const { return slavePath_; }

 private:
  bool OpenLine(std::string* error);
  void CloseLine();
  void Serve();
  bool Send(const Reply& reply);  // false: stop serving
  bool SendHeld();                // the reply held for this request, if any
  bool Emit(const Reply& reply);
  bool WriteAll(const uint8_t* bytes, size_t count);
  bool Pause(int ms);  // false: Stop was asked for

  Handler handler_;
  int master_ = -1, slave_ = -1;
  int wake_[2] = {-1, -1};
  std::string slavePath_;
  std::optional<Reply> held_;  // used on the serving thread only
  std::thread thread_;
};

}  // namespace sim
