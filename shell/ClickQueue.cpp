// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ClickQueue.h"

namespace shell {

// A plot on the stack with the cancel request set has been cancelled (or the program is
// quitting): a plot started now would run inside it.
bool ClickQueue::mustWait(Kind kind) const {
    return kind == Kind::Draws && state_.plotsRunning > 0 && state_.blnCancel;
}

void ClickQueue::click(Kind kind, std::function<void()> operation) {
    if (!waiting_.empty() || mustWait(kind)) {
        waiting_.push_back({kind, std::move(operation)});
        return;
    }
    operation();
    if (state_.plotsRunning == 0) runReady();
}

// Taken off the queue before it runs: a plot it starts calls this again from its yield.
void ClickQueue::runReady() {
    while (!waiting_.empty() && !mustWait(waiting_.front().kind)) {
        const std::function<void()> operation = std::move(waiting_.front().operation);
        waiting_.pop_front();
        operation();
    }
}

}  // namespace shell
