#include "FrontLeds.h"

#include <algorithm>

namespace sim {

void FrontLeds::Force(const uint8_t* frame) {
  std::copy(frame, frame + kLedFrameSize, frame_.begin());
  forced_ = true;
}

}  // namespace sim
