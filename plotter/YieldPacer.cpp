// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/YieldPacer.h"

#include <algorithm>

namespace plotter {
namespace {

// Most samples between two clock readings; a sample that suddenly takes much longer than the
// ones before overshoots the interval by at most this many samples.
constexpr int kLongestStride = 256;

}  // namespace

void YieldPacer::passed() {
    first_ = false;
    if (interval_ <= Clock::duration::zero()) return;
    lastPass_ = lastReading_ = now_();
}

// The stride doubles while readings come quicker than a thirtieth of the interval and halves
// when they come slower than an eighth, so fast plots read the clock rarely and slow ones
// still yield on time.
bool YieldPacer::readClock() {
    if (first_ || interval_ <= Clock::duration::zero()) {
        countdown_ = 1;
        return true;
    }
    const Clock::time_point now = now_();
    const Clock::duration sinceReading = now - lastReading_;
    lastReading_ = now;
    if (sinceReading < interval_ / 32) {
        stride_ = std::min(stride_ * 2, kLongestStride);
    } else if (sinceReading > interval_ / 8) {
        stride_ = std::max(stride_ / 2, 1);
    }
    countdown_ = stride_;
    return now - lastPass_ >= interval_;
}

}  // namespace plotter
