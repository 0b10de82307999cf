#pragma once
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace sim {

// Puts requests together from bytes that arrive in pieces: the 16-byte header,
// then, when it announces N > 0 data bytes, the data and their checksum. A
// header that fails its checksum, or announces more than 1024 bytes, is a
// request of its own: its length cannot be trusted.
class RequestAssembler {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::milliseconds kIdleLimit{500};

  // Adds received bytes; every request they complete is appended to `complete`.
  void Feed(const uint8_t* bytes, size_t count, Clock::time_point now,
            std::vector<std::vector<uint8_t>>& complete);

  // An incomplete request left idle beyond the limit is dropped, so that the
  // next byte starts a new header.
  void Expire(Clock::time_point now);

  // Until the incomplete request is dropped; nothing when none is pending.
  std::optional<Clock::duration> TimeLeft(Clock::time_point now) const;

 private:
  size_t Expected() const;

  std::vector<uint8_t> pending_;
  Clock::time_point lastByte_{};
};

}  // namespace sim
