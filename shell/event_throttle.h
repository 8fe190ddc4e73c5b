#pragma once
// How often the long loops let the window process its pending events: every
// cell reports to the dispatcher, but asking the toolkit for its events costs
// far more than a cell, so the dispatcher does it only when a steady clock
// says that the interval has passed since the last time.
#include <chrono>

namespace dorx {

class EventThrottle {
 public:
  using Clock = std::chrono::steady_clock;

  // 40 ms: 25 times a second, often enough for a Stop click and repaints.
  static constexpr Clock::duration kDefaultInterval = std::chrono::milliseconds(40);

  explicit EventThrottle(Clock::duration interval = kDefaultInterval) : interval_(interval) {}

  // True at the first call and whenever `interval` has passed since the last
  // call that returned true.
  bool Due(Clock::time_point now);

 private:
  Clock::duration interval_;
  Clock::time_point last_{};
  bool started_ = false;
};

}  // namespace dorx
