// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>

#include "plotter/PlotContext.h"

namespace shell {

// Runs the window's click operations in the order of their clicks without ever starting a
// plot inside another. A click that starts a plot or draws on the canvas (draw, preset,
// join) while a cancelled plot is still on the stack waits until that plot has returned;
// every click after a waiting one waits behind it, so a burst of cancel and draw clicks
// plays out one plot after the other, whatever the click rate.
class ClickQueue {
  public:
    enum class Kind {
        Draws,  // waits for a cancelled plot to return
        Other,  // runs inside a plot's yield, but keeps its place behind a waiting click
    };

    explicit ClickQueue(const plotter::PlotState& state) : state_(state) {}

    // Runs the operation now, or queues it when it must wait. Run at the top (no plot on the
    // stack), it then runs whatever queued up meanwhile.
    void click(Kind kind, std::function<void()> operation);
    // Runs the queued clicks that may run now, in order. The yield of every plot calls it
    // before the event loop, so the cancel that followed a draw reaches that draw's plot.
    void runReady();
    // Forgets the queued clicks (quitting).
    void clear() { waiting_.clear(); }

  private:
    struct Click {
        Kind kind;
        std::function<void()> operation;
    };
    bool mustWait(Kind kind) const;

    const plotter::PlotState& state_;
    std::deque<Click> waiting_;
};

}  // namespace shell
