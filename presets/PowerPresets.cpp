// SPDX-License-Identifier: GPL-3.0-or-later
// The power curves y = x^a and y = x^(a/b), skipping the x where they have no real value.
#include <cmath>

#include "presets/Graphs.h"
#include "presets/PresetFormulas.h"
#include "presets/PresetHandlers.h"
#include "script/ExactPower.h"
#include "texts/Texts.h"
#include "vbrt/Rounding.h"

namespace presets {
namespace {

// True when the value rounds into the whole-number (Long) range.
bool FitsWhole(double value) {
    return TryStep([&] { vbrt::ToLong(value); });
}

// The exact power takes a, b and a/b as whole numbers for its sign rules; when b rounds to
// 0 or one of them is beyond the whole-number range it fails at every x, so the curve is
// refused like b = 0 instead of leaving an empty canvas under a formula line.
bool RefuseFraction(PresetContext& ctx, double a, double b) {
    if (Refuse(ctx, !FitsWhole(b), texts::kPresetBNotWhole, ParameterBox::B)) return true;
    if (Refuse(ctx, vbrt::RoundHalfEven(b) == 0, texts::kPresetBRoundsToZero, ParameterBox::B))
        return true;
    return Refuse(ctx, !FitsWhole(a) || !FitsWhole(a / b), texts::kPresetANotWhole,
                  ParameterBox::A);
}

}  // namespace

// mihanshu1: y = x^a. For negative x and a fractional a the power is not a number, which
// fails the drawing conversion, so that x gets no point. Formula 'y = x^2', 'y = x^(-1)'.
void DrawPower(PresetContext& ctx) {
    double a = 0;
    if (!BeginSkipAndContinue(ctx, [&] { a = ReadA(ctx); })) return;
    PlotGraphSkipping(ctx, ctx.fields.varX, kPowerRange, [&](double x) { return PowerY(a, x); });
    ParenthesiseIfNegative(ctx.fields.varA);
    PrintFormula(ctx, "y = x^" + Joined(ctx.fields.varA));
}

// mihanshu2: y = x^(a/b) as a real power, so odd roots of negative x keep their sign. An x
// without a real value (or where the power routine fails) gets no point. Formula
// 'y = x^(2/3)', 'y = x^((-1)/3)'.
void DrawRootPower(PresetContext& ctx) {
    double a = 0;
    double b = 0;
    if (!BeginSkipAndContinue(ctx, [&] {
            a = ReadA(ctx);
            b = ReadB(ctx);
        })) {
        return;
    }
    if (Refuse(ctx, b == 0, texts::kPresetNotZero, ParameterBox::B) || RefuseFraction(ctx, a, b))
        return;
    PlotGraphSkipping(ctx, ctx.fields.varX, kPowerRange,
                      [&](double x) { return RealValue(script::ExactPower(x, a, b)); });
    ParenthesiseIfNegative(ctx.fields.varA);
    ParenthesiseIfNegative(ctx.fields.varB);
    PrintFormula(ctx, "y = x^(" + Joined(ctx.fields.varA) + "/" + Joined(ctx.fields.varB) + ")");
}

}  // namespace presets
