// SPDX-License-Identifier: GPL-3.0-or-later
// The ellipse (x/a)² + (y/b)² = 1 and the hyperbolas (x/a)² − (y/b)² = 1, (y/a)² − (x/b)² = 1.
#include <cmath>
#include <string>

#include "presets/Graphs.h"
#include "presets/PresetFormulas.h"
#include "presets/PresetHandlers.h"
#include "texts/Texts.h"

namespace presets {

namespace {

// Reads a and b; refuses a = 0 (focus to Text1), then b = 0 (focus to Text2).
bool ReadConicParameters(PresetContext& ctx, double& a, double& b) {
    a = ReadA(ctx);
    b = ReadB(ctx);
    return !Refuse(ctx, a == 0, texts::kPresetNotZero, ParameterBox::A) &&
           !Refuse(ctx, b == 0, texts::kPresetNotZero, ParameterBox::B);
}

// Prints e.g. '(x/2)^2+(y/3)^2 = 1 ', negative parameters in brackets: '(x/(-2))^2...'.
void PrintConicFormula(PresetContext& ctx, const std::string& first, const std::string& sign,
                       const std::string& second) {
    PresetFields& fields = ctx.fields;
    ParenthesiseIfNegative(fields.varA);
    ParenthesiseIfNegative(fields.varB);
    PrintFormula(ctx, first + Joined(fields.varA) + ")^2" + sign + second + Joined(fields.varB) +
                          ")^2" + " =" + Item(1));
}

// Sweeps u (in varX) from -8|a| to 8|a|; where |u| >= |a| the other coordinate is
// v = √(b²·(u²/a² − 1)), never the root of a negative there, and both branches (u, v) and
// (u, −v) go to `place`, in that order.
template <class Place>
void SweepHyperbola(PresetContext& ctx, double a, double b, Place place) {
    const double reach = 8 * std::abs(a);
    Sweep(ctx.fields.varX, {-reach, reach, kPiTenDecimals / 4000}, [&](double u) {
        if (std::abs(u) < std::abs(a)) return;
        const double v = HyperbolaV(a, b, u);
        place(u, v);
        place(u, -v);
    });
}

}  // namespace

// tuoyuan: (a·cos t, b·sin t) for 4000 angles from 0 up to one step short of a full turn.
void DrawEllipse(PresetContext& ctx) {
    RunStopAndReport(ctx, [&] {
        double a = 0;
        double b = 0;
        if (!ReadConicParameters(ctx, a, b)) return;
        double t = 0;
        Sweep(t, {0, 6.283185307, kPiTenDecimals / 2000},
              [&](double at) { SetPoint(ctx, a * std::cos(at), b * std::sin(at)); });
        PrintConicFormula(ctx, "(x/", "+", "(y/");
    });
}

// shuang1: branches opening left and right, vertices at (±a, 0).
void DrawHyperbolaX(PresetContext& ctx) {
    RunStopAndReport(ctx, [&] {
        double a = 0;
        double b = 0;
        if (!ReadConicParameters(ctx, a, b)) return;
        SweepHyperbola(ctx, a, b, [&](double x, double y) { SetPoint(ctx, x, y); });
        PrintConicFormula(ctx, "(x/", "-", "(y/");
    });
}

// shuang2: branches opening up and down, vertices at (0, ±a).
void DrawHyperbolaY(PresetContext& ctx) {
    RunStopAndReport(ctx, [&] {
        double a = 0;
        double b = 0;
        if (!ReadConicParameters(ctx, a, b)) return;
        SweepHyperbola(ctx, a, b, [&](double y, double x) { SetPoint(ctx, x, y); });
        PrintConicFormula(ctx, "(y/", "-", "(x/");
    });
}

}  // namespace presets
