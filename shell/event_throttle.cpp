#include "shell/event_throttle.h"

namespace dorx {

bool EventThrottle::Due(Clock::time_point now) {
  if (started_ && now - last_ < interval_) return false;
  started_ = true;
  last_ = now;
  return true;
}

}  // namespace dorx
