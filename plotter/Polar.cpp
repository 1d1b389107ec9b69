// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <string>

#include "plotter/EquationForm.h"
#include "plotter/EquationPlotters.h"
#include "plotter/Normalize.h"
#include "plotter/PlotSession.h"
#include "plotter/RangeBoxes.h"
#include "plotter/SampleScript.h"
#include "plotter/TSweep.h"

namespace plotter {

// The script sees the radius of the last successful evaluation as r (0 before the first),
// so r=r+0.001 grows a spiral. A failed evaluation keeps the old radius and draws nothing.
void PlotPolar(PlotContext& ctx) {
    PlotSession session(ctx);
    const std::string expression(TextAfterFirstEquals(NormalizeEquation(ctx.workingText())));
    SampleScript script(ctx);
    const TSweep range(ctx);
    double r = 0;

    const bool completed = session.sweep(range.start, range.end, range.step, [&](double t) {
        script.assign("r=", r);
        script.assign("t=", t);
        ctx.picture1.setDrawWidth(2);
        if (const auto radius = script.evalNumber(expression)) r = *radius;
        if (!script.errorPending())
            script.plotPoint(ctx.picture1, r * std::cos(t), r * std::sin(t), ctx.curveColour);
        script.clearError();
    });
    if (completed) session.finish(TRangeLegend(ctx), script);
}

}  // namespace plotter
