#include "RequestAssembler.h"

#include "Frame.h"

namespace sim {

size_t RequestAssembler::Expected() const {
  const size_t header = frame::kHeaderSize;
  if (pending_.size() < header) return header;
  int n = pending_[1] << 8 | pending_[2];
  bool trusted = frame::Checksum(pending_.data(), 15) == pending_[15] && n <= frame::kMaxData;
  return trusted && n > 0 ? header + static_cast<size_t>(n) + 1 : header;
}

void RequestAssembler::Feed(const uint8_t* bytes, size_t count, Clock::time_point now,
                            std::vector<std::vector<uint8_t>>& complete) {
  Expire(now);
  for (size_t i = 0; i < count; ++i) {
    pending_.push_back(bytes[i]);
    if (pending_.size() == Expected()) {
      complete.push_back(std::move(pending_));
      pending_.clear();
    }
  }
  lastByte_ = now;
}

void RequestAssembler::Expire(Clock::time_point now) {
  if (!pending_.empty() && now - lastByte_ > kIdleLimit) pending_.clear();
}

std::optional<RequestAssembler::Clock::duration> RequestAssembler::TimeLeft(
    Clock::time_point now) const {
  if (pending_.empty()) return std::nullopt;
  Clock::duration left = lastByte_ + kIdleLimit - now;
  return left > Clock::duration::zero() ? left : Clock::duration::zero();
}

}  // namespace sim
