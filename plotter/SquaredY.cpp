// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "plotter/EquationPlotters.h"
#include "plotter/PlotSession.h"
#include "plotter/RangeBoxes.h"
#include "plotter/XSweep.h"

namespace plotter {
namespace {

// One branch y = sign * √f(x). Skipped while an error of this x is pending, so a failing
// upper branch never leaves a lone lower dot.
void PlotBranch(XSweep& sweep, double x, double sign) {
    if (sweep.script.errorPending()) return;
    const auto value = sweep.script.evalNumber(sweep.expression);
    if (!value) return;
    if (*value < 0) {
        sweep.script.skipSample();
        return;
    }
    sweep.plotAndRecord(x, sign * std::sqrt(*value));
}

}  // namespace

// Upper branch, then lower branch, for each x; the errors of both are cleared once per x.
void PlotSquaredY(PlotContext& ctx) {
    PlotSession session(ctx);
    XSweep sweep(ctx);
    const bool completed = session.sweep(sweep.start, sweep.end, kXSweepStep, [&](double x) {
        sweep.assignX(x);
        PlotBranch(sweep, x, 1);
        PlotBranch(sweep, x, -1);
        sweep.script.clearError();
    });
    if (completed) session.finish(XRangeLegend(ctx), sweep.script);
}

}  // namespace plotter
