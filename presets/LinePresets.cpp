// SPDX-License-Identifier: GPL-3.0-or-later
// The straight line and the parabola: a·x + b and a·x² + b over the line range.
#include "presets/Graphs.h"
#include "presets/PresetFormulas.h"
#include "presets/PresetHandlers.h"

namespace presets {

// line: y = a·x + b; formula 'y= 2 x+ 3 ', with the plus sign only for b > 0.
void DrawLine(PresetContext& ctx) {
    RunStopAndReport(ctx, [&] {
        const double a = ReadA(ctx);
        const double b = ReadB(ctx);
        double x = 0;
        PlotGraph(ctx, x, kLineRange, [&](double at) { return LineY(a, b, at); });
        PrintFormula(ctx, "y=" + Item(a) + "x" + (b > 0 ? "+" : "") + Item(b));
    });
}

// paowu: y = a·x² + b; formula 'y= 2 x^2+ 3 ', here b = 0 takes the plus sign too.
void DrawParabola(PresetContext& ctx) {
    RunStopAndReport(ctx, [&] {
        const double a = ReadA(ctx);
        const double b = ReadB(ctx);
        double x = 0;
        PlotGraph(ctx, x, kLineRange, [&](double at) { return ParabolaY(a, b, at); });
        PrintFormula(ctx, "y=" + Item(a) + "x^2" + (b >= 0 ? "+" : "") + Item(b));
    });
}

}  // namespace presets
