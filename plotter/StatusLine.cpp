// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/StatusLine.h"

#include "plotter/PlotCommands.h"

namespace plotter {

// Restores the window at once; the running plot (if any) stops at its next sample and,
// because the generation moved on, never resumes even if another plot runs meanwhile.
void CancelDrawing(PlotContext& ctx) {
    ctx.setDrawEnabled(true);
    ctx.state.blnCancel = true;
    ++ctx.state.plotGeneration;
    ctx.setTimerEnabled(false);
    ctx.setStatus(kStatusCancelled);
    ctx.picture1.setDrawWidth(1);
}

// Alternates the two busy captions; the counter runs 1, 2, 1, 2 … for the life of the window.
void AnimateStatus(PlotContext& ctx) {
    ctx.state.intBlink = static_cast<std::int16_t>(ctx.state.intBlink + 1);
    if (ctx.state.intBlink == 3) ctx.state.intBlink = 1;
    ctx.setStatus(ctx.state.intBlink == 1 ? kStatusBusy : kStatusBusyBlink);
}

}  // namespace plotter
