// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/XSweep.h"

#include <cmath>

#include "plotter/EquationForm.h"
#include "plotter/Normalize.h"
#include "plotter/PlotCommands.h"
#include "plotter/PointFile.h"
#include "plotter/RangeBoxes.h"
#include "vbrt/NumberText.h"

namespace plotter {
XSweep::XSweep(PlotContext& context)
    : ctx(context),
      script(context),
      expression(TextAfterFirstEquals(NormalizeEquation(context.workingText()))),
      points(PointFilePath(context), &context.state.pointFileFault, &context.state.openPointFiles,
             context.pointFileBlock),
      end(RangeValue(context, kXTo)),
      start(RangeValue(context, kXFrom)) {}

void XSweep::assignX(double x) {
    xText = vbrt::NumberToText(x);
    script.assignText("x=", xText);
    ctx.picture1.setDrawWidth(2);
}

void XSweep::plotAndRecord(double x, double y) {
    if (!script.plotPoint(ctx.picture1, x, y, ctx.curveColour)) return;
    if (std::fabs(x) < kAxisBand) return;
    const auto again = script.evalNumber(expression);
    if (again && std::fabs(*again) >= kAxisBand) points.appendTexts(xText, vbrt::NumberToText(y));
}

}  // namespace plotter
