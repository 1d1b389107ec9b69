// SPDX-License-Identifier: GPL-3.0-or-later
// The four trigonometric curves y = a·f(b·x) over the line range, in radians.
#include <cmath>
#include <optional>
#include <string>

#include "presets/Graphs.h"
#include "presets/PresetFormulas.h"
#include "presets/PresetHandlers.h"

namespace presets {

namespace {

// Reads a and b, sets (x, y(a, b·x)) over the line range wherever y has a value, and prints
// the formula line, e.g. 'y= 2 Sin( 3 x)'. A negative b shows its sign inside the brackets.
template <class Curve>
void DrawTrig(PresetContext& ctx, const std::string& name, Curve y) {
    RunStopAndReport(ctx, [&] {
        const double a = ReadA(ctx);
        const double b = ReadB(ctx);
        double x = 0;
        Sweep(x, kLineRange, [&](double at) {
            const std::optional<double> value = y(a, b * at);
            if (value) SetPoint(ctx, at, *value);
        });
        PrintFormula(ctx, "y=" + Item(a) + name + "(" + Item(b) + "x)");
    });
}

}  // namespace

void DrawSine(PresetContext& ctx) {
    DrawTrig(ctx, "Sin", SineY);
}

void DrawCosine(PresetContext& ctx) {
    DrawTrig(ctx, "Cos", CosineY);
}

// The tangent's poles get no special treatment: their huge values fall off the canvas.
void DrawTangent(PresetContext& ctx) {
    DrawTrig(ctx, "Tan", TangentY);
}

// y = (a·1)/tan(b·x). Where tan(b·x) = 0 the cotangent has no value and no point is set
// (so b = 0 draws nothing; only the formula line is printed).
void DrawCotangent(PresetContext& ctx) {
    DrawTrig(ctx, "Cot", CotangentY);
}

}  // namespace presets
