#include <cmath>

#include "plotter/BluePoint.h"
#include "plotter/EquationForm.h"
#include "plotter/Normalize.h"
#include "plotter/PlotSession.h"
#include "plotter/Plotter.h"
#include "plotter/Plotters.h"
#include "plotter/PointFile.h"
#include "plotter/RangeBoxes.h"
#include "plotter/SampleScript.h"
#include "plotter/XSweep.h"

namespace plotter {

// One dot per x; the record test evaluates the right side a second time, as the dot's
// value may come from a numeric text or a truth value.
void PlotExplicitY(PlotContext& ctx) {
    PlotSession session(ctx);
    XSweep sweep(ctx);
    const bool completed = session.sweep(sweep.start, sweep.end, kXSweepStep, [&](double x) {
        sweep.assignX(x);
        const auto y = sweep.script.evalNumber(sweep.expression);
        if (!sweep.script.errorPending()) sweep.plotAndRecord(x, *y);
        sweep.script.clearError();
    });
    if (completed) session.finish(XRangeLegend(ctx));
}

}  // namespace plotter
