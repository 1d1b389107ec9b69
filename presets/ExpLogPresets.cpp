// SPDX-License-Identifier: GPL-3.0-or-later
// The exponential, the logarithm and the inverse proportion, all in parameter a only.
#include <cmath>

#include "presets/Graphs.h"
#include "presets/PresetFormulas.h"
#include "presets/PresetHandlers.h"
#include "texts/Texts.h"

namespace presets {

namespace {

// Exponential and logarithm need a base a > 0 other than 1.
bool RefuseBase(PresetContext& ctx, double a) {
    return Refuse(ctx, a <= 0 || a == 1, texts::kPresetLogBase, ParameterBox::A);
}

}  // namespace

// zhishu: y = a^x for x from -9 to 5; a value beyond single precision sets no point.
// Formula 'y = 2^x'.
void DrawExponential(PresetContext& ctx) {
    double a = 0;
    if (!BeginSkipAndContinue(ctx, [&] { a = ReadA(ctx); })) return;
    if (RefuseBase(ctx, a)) return;
    PlotGraphSkipping(ctx, ctx.fields.varX, {-9, 5, 0.01},
                      [&](double x) { return ExponentialY(a, x); });
    PrintFormula(ctx, "y = " + Joined(ctx.fields.varA) + "^x");
}

// duishu: y = ln x / ln a for x from 0.01 to about 8.333. The base is printed on a second
// line moved 80 twips up, so it sits after "Log" like a subscript.
void DrawLogarithm(PresetContext& ctx) {
    RunStopAndReport(ctx, [&] {
        const double a = ReadA(ctx);
        if (RefuseBase(ctx, a)) return;
        double x = 0;
        PlotGraph(ctx, x, {0.01, 2500.0 / 300, 0.001},
                  [&](double at) { return LogarithmY(a, at); });
        PrintFormula(ctx, "y = Log x");
        ctx.picture2.setCurrentY(ctx.picture2.CurrentY() - 80);
        PrintFormula(ctx, "       " + Joined(ctx.fields.varA));
    });
}

// fanbili: y = a/x for x from -10 to 10 in steps of pi/4000; x = 0 would get no point (the
// sweep never lands on it). Formula 'y=2/x'.
void DrawInverseProportion(PresetContext& ctx) {
    RunStopAndReport(ctx, [&] {
        const double a = ReadA(ctx);
        Sweep(ctx.fields.varX, {-10, 10, kPiTenDecimals / 4000}, [&](double x) {
            if (x != 0) SetPoint(ctx, x, InverseY(a, x));
        });
        PrintFormula(ctx, "y=" + Joined(ctx.fields.varA) + "/x");
    });
}

}  // namespace presets
