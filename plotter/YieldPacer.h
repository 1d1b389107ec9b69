// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <utility>

namespace plotter {

// How long a plot may compute before it lets the event loop run again. One event-loop pass
// costs as much as twenty samples, so passing before every sample would triple a plot's time;
// 2 ms still blinks the status, follows the pointer and answers a cancel at once for a user.
inline constexpr std::chrono::nanoseconds kYieldInterval = std::chrono::milliseconds(2);

// Decides when a running plot passes control to the event loop: before its first sample,
// then whenever the interval has passed since the previous pass ended. An interval of zero
// passes before every sample. Reading the clock costs a fast sample's time again, so it is
// read only every few samples, about every 60 to 250 µs.
class YieldPacer {
  public:
    using Clock = std::chrono::steady_clock;
    // Where the time comes from: the steady clock, or a test's own.
    using Now = std::function<Clock::time_point()>;

    explicit YieldPacer(std::chrono::nanoseconds interval, Now now = &Clock::now)
        : interval_(interval), now_(std::move(now)) {}

    // True when the plot should yield before its next sample.
    bool due() {
        if (--countdown_ > 0) return false;
        return readClock();
    }
    // The pass has just ended; the next interval counts from now.
    void passed();

  private:
    bool readClock();

    std::chrono::nanoseconds interval_;
    Now now_;
    Clock::time_point lastPass_{};
    Clock::time_point lastReading_{};
    int stride_ = 1;     // samples between two clock readings
    int countdown_ = 1;  // samples until the next reading
    bool first_ = true;
};

}  // namespace plotter
