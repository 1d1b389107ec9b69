// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "plotter/EquationForm.h"
#include "plotter/EquationPlotters.h"
#include "plotter/Normalize.h"
#include "plotter/PlotSession.h"
#include "plotter/RangeBoxes.h"
#include "plotter/SampleScript.h"
#include "plotter/TSweep.h"

namespace plotter {

// The part before the first ";" is x and the part after it y, whatever names stand before
// their "=". The normalised text is written back to the working box.
void PlotParametric(PlotContext& ctx) {
    PlotSession session(ctx);
    ctx.setWorkingText(NormalizeEquation(ctx.workingText()));
    const std::string equation = ctx.workingText();
    const std::size_t semicolon = equation.find(';');
    const std::string xExpression(
        TextAfterFirstEquals(std::string_view(equation).substr(0, semicolon)));
    const std::string yExpression(
        TextAfterFirstEquals(std::string_view(equation).substr(semicolon + 1)));
    SampleScript script(ctx);
    const TSweep range(ctx);

    const bool completed = session.sweep(range.start, range.end, range.step, [&](double t) {
        script.assign("t=", t);
        ctx.picture1.setDrawWidth(2);
        if (!script.errorPending()) {
            const auto x = script.evalNumber(xExpression);
            const auto y = x ? script.evalNumber(yExpression) : std::nullopt;
            if (y) script.plotPoint(ctx.picture1, *x, *y, ctx.curveColour);
        }
        script.clearError();
    });
    if (completed) session.finish(TRangeLegend(ctx), script);
}

}  // namespace plotter
