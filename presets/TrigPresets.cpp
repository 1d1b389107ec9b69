// The four trigonometric curves y = a·f(b·x) over the line range, in radians.
#include <cmath>
#include <optional>
#include <string>

#include "presets/Graphs.h"
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
    DrawTrig(ctx, "Sin", [](double a, double angle) { return a * std::sin(angle); });
}

void DrawCosine(PresetContext& ctx) {
    DrawTrig(ctx, "Cos", [](double a, double angle) { return a * std::cos(angle); });
}

// The tangent's poles get no special treatment: their huge values fall off the canvas.
void DrawTangent(PresetContext& ctx) {
    DrawTrig(ctx, "Tan", [](double a, double angle) { return a * std::tan(angle); });
}

// y = (a·1)/tan(b·x). Where tan(b·x) = 0 the cotangent has no value and no point is set
// (so b = 0 draws nothing; only the formula line is printed).
void DrawCotangent(PresetContext& ctx) {
    DrawTrig(ctx, "Cot", [](double a, double angle) -> std::optional<double> {
        const double t = std::tan(angle);
        if (t == 0) return std::nullopt;
        return a * 1 / t;
    });
}

}  // namespace presets
