#pragma once

#include <chrono>

namespace plotter {

// How long a plot may compute before it lets the event loop run again. One event-loop pass
// costs as much as twenty samples, so passing before every sample would triple a plot's time;
// 2 ms still blinks the status, follows the pointer and answers a cancel at once for a user.
inline constexpr std::chrono::nanoseconds kYieldInterval = std::chrono::milliseconds(2);

// Decides when a running plot passes control to the event loop: before its first sample,
// then whenever the interval has passed since the previous pass ended. An interval of zero
// passes before every sample.
class YieldPacer {
  public:
    using Clock = std::chrono::steady_clock;

    explicit YieldPacer(std::chrono::nanoseconds interval) : interval_(interval) {}

    // True when the plot should yield before its next sample.
    bool due() const {
        return first_ || interval_ <= std::chrono::nanoseconds::zero() ||
               Clock::now() - lastPass_ >= interval_;
    }
    // The pass has just ended; the next interval counts from now.
    void passed() {
        first_ = false;
        if (interval_ > std::chrono::nanoseconds::zero()) lastPass_ = Clock::now();
    }

  private:
    std::chrono::nanoseconds interval_;
    Clock::time_point lastPass_{};
    bool first_ = true;
};

}  // namespace plotter
