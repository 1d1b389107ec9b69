// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/PlotSession.h"

#include "plotter/PlotReport.h"
#include "plotter/PointFile.h"
#include "plotter/StatusLine.h"
#include "plotter/VectorState.h"

namespace plotter {

PlotSession::PlotSession(PlotContext& ctx)
    : ctx_(ctx), generation_(ctx.state.plotGeneration), pacer_(ctx.yieldInterval) {
    ++ctx_.state.plotsRunning;
    ctx_.picture1.setDrawWidth(2);
    ctx_.setTimerEnabled(true);
    ctx_.setStatus(kStatusBusy);
    ctx_.state.blnCancel = false;
}

PlotSession::~PlotSession() {
    --ctx_.state.plotsRunning;
}

// Clicks are handled only inside the pass, so the flags need testing only after one; they
// are tested every sample all the same, as they cost nothing. A join in the pass reads every
// record so far. The pass paints, so the samples after it would run slowly without the
// vector state cleared.
bool PlotSession::nextSample() {
    if (pacer_.due()) {
        FlushPointFiles(ctx_.state.openPointFiles);
        ctx_.yield();
        ClearUpperVectorState();
        pacer_.passed();
    }
    return !ctx_.state.blnCancel && ctx_.state.plotGeneration == generation_;
}

void PlotSession::finish(const std::string& rangeLine, const SampleScript& script) {
    FlushPointFiles(ctx_.state.openPointFiles);
    ctx_.setTimerEnabled(false);
    ctx_.setStatus(kStatusDone);
    ctx_.setDrawEnabled(true);
    ctx_.picture4.Print(ctx_.comboText());
    ctx_.picture4.Print(rangeLine);
    ctx_.picture1.setDrawWidth(1);
    ReportEmptyPlot(ctx_, script);
    ReportCutPointFile(ctx_);
}

}  // namespace plotter
