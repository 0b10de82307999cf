#include "Reply.h"

#include <algorithm>

#include "DeviceModel.h"

namespace sim {
namespace {

// A flood runs at about the line's rate (38400 baud, ten bits a byte).
constexpr size_t kFloodPiece = 38;
constexpr int kFloodPauseMs = 10;

int AnswerDataLength(const Request& request) {
  const CommandHandler* handler = FindCommand(request.code());
  return handler ? handler->answerLength(request) : 0;
}

std::vector<uint8_t> Framed(uint8_t status, const uint8_t* data, int length) {
  std::vector<uint8_t> out(static_cast<size_t>(frame::AnswerLength(length)));
  frame::BuildAnswer(status, data, length, out.data());
  return out;
}

std::vector<uint8_t> Refusal(const Request& request) {
  uint8_t zeros[frame::kMaxData] = {};
  return Framed(0, zeros, AnswerDataLength(request));
}

}  // namespace

std::vector<uint8_t> Answer(const Request& request, DeviceModel& model) {
  const CommandHandler* handler = FindCommand(request.code());
  if (!handler || !request.headerOk() || !request.dataOk()) return Refusal(request);
  uint8_t data[frame::kMaxData] = {};
  int length = handler->answerLength(request);
  bool accepted = handler->run(request, model, data);
  return Framed(accepted ? 1 : 0, data, length);
}

Reply ShapeReply(const Request& request, DeviceModel& model, const std::optional<Fault>& fault,
                 std::minstd_rand& random) {
  Reply reply;
  if (fault && fault->kind == FaultKind::DropLine) {
    reply.dropLine = true;
    return reply;
  }
  if (fault && fault->kind == FaultKind::Silent) return reply;
  if (fault && fault->kind == FaultKind::Echo) {
    reply.bytes.assign(request.bytes, request.bytes + request.length);
    return reply;
  }
  model.SetStoreFault(fault && fault->kind == FaultKind::StoreDifferent);
  reply.bytes =
      fault && fault->kind == FaultKind::Refuse ? Refusal(request) : Answer(request, model);
  model.SetStoreFault(false);
  if (!fault) return reply;

  std::vector<uint8_t>& b = reply.bytes;
  auto noise = [&random](size_t count) {
    std::vector<uint8_t> bytes(count);
    for (uint8_t& x : bytes) x = static_cast<uint8_t>(random());
    return bytes;
  };
  const size_t k = static_cast<size_t>(std::max(0, fault->param));
  switch (fault->kind) {
    case FaultKind::Short:
      b.resize(b.size() - std::min(k, b.size()));
      break;
    case FaultKind::Long: {
      std::vector<uint8_t> extra = noise(k);
      b.insert(b.end(), extra.begin(), extra.end());
      break;
    }
    case FaultKind::BadChecksum:  // on a status-only answer this spoils the status
      b.back() = static_cast<uint8_t>(~b.back());
      break;
    case FaultKind::Split:
      reply.pieceSize = (b.size() + 1) / 2;
      reply.pauseMs = fault->param;
      break;
    case FaultKind::Trickle:
      reply.pieceSize = 1;
      reply.pauseMs = fault->param;
      break;
    case FaultKind::Delay:
      reply.delayMs = fault->param;
      break;
    case FaultKind::LateNext:
      reply.heldForNext = true;
      reply.heldGapMs = fault->param;
      break;
    case FaultKind::Garbage:
      b = noise(k > 0 ? k : b.size());
      break;
    case FaultKind::Flood: {
      const int pieces = std::max(1, (fault->param + kFloodPauseMs - 1) / kFloodPauseMs);
      b = noise(static_cast<size_t>(pieces) * kFloodPiece);
      reply.pieceSize = kFloodPiece;
      reply.pauseMs = kFloodPauseMs;
      break;
    }
    default:  // Refuse and StoreDifferent: already carried out
      break;
  }
  return reply;
}

}  // namespace sim
