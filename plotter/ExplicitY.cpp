// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/EquationPlotters.h"
#include "plotter/PlotSession.h"
#include "plotter/RangeBoxes.h"
#include "plotter/XSweep.h"

namespace plotter {

// One dot per x that evaluates to a number; off the axes it is also recorded.
void PlotExplicitY(PlotContext& ctx) {
    PlotSession session(ctx);
    XSweep sweep(ctx);
    const bool completed = session.sweep(sweep.start, sweep.end, kXSweepStep, [&](double x) {
        sweep.assignX(x);
        const auto y = sweep.script.evalNumber(sweep.expression);
        if (y && !sweep.script.errorPending()) sweep.plotAndRecord(x, *y);
        sweep.script.clearError();
    });
    if (completed) session.finish(XRangeLegend(ctx), sweep.script);
}

}  // namespace plotter
