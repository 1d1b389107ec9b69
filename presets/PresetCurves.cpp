// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/PresetCurves.h"

#include <array>
#include <cmath>
#include <limits>

#include "presets/ErrorModes.h"
#include "presets/Graphs.h"
#include "presets/PresetFormulas.h"
#include "presets/PresetSupport.h"
#include "script/ExactPower.h"
#include "vbrt/NumberText.h"
#include "vbrt/RuntimeError.h"

namespace presets {
namespace {

using Formula = std::optional<double> (*)(double a, double b, double x);

// A graph preset: its sweep range and its y, nullopt where it sets no point.
struct GraphPreset {
    std::string_view name;
    SweepRange range;
    Formula y;
};

std::optional<double> Finite(double v) {
    return std::isfinite(v) ? std::optional(v) : std::nullopt;
}

std::optional<double> RootPower(double a, double b, double x) {
    std::optional<double> y;
    TryStep([&] { y = RealValue(script::ExactPower(x, a, b)); });
    return y;
}

// The ranges of the presets that sweep a fixed interval (see their handlers).
constexpr SweepRange kLogRange{0.01, 2500.0 / 300, 0.001};
constexpr SweepRange kExpRange{-9, 5, 0.01};
constexpr SweepRange kInverseRange{-10, 10, kPiTenDecimals / 4000};

const std::array<GraphPreset, 11> kGraphs{{
    {"line", kLineRange, [](double a, double b, double x) { return Finite(LineY(a, b, x)); }},
    {"paowu", kLineRange, [](double a, double b, double x) { return Finite(ParabolaY(a, b, x)); }},
    {"mihanshu1", kPowerRange, [](double a, double, double x) { return Finite(PowerY(a, x)); }},
    {"mihanshu2", kPowerRange, RootPower},
    {"zhishu", kExpRange, [](double a, double, double x) { return Finite(ExponentialY(a, x)); }},
    {"duishu", kLogRange, [](double a, double, double x) { return Finite(LogarithmY(a, x)); }},
    {"fanbili", kInverseRange,
     [](double a, double, double x) { return x == 0 ? std::nullopt : Finite(InverseY(a, x)); }},
    {"zhengxian", kLineRange, [](double a, double b, double x) { return Finite(SineY(a, b * x)); }},
    {"yuxian", kLineRange, [](double a, double b, double x) { return Finite(CosineY(a, b * x)); }},
    {"zhengqie", kLineRange,
     [](double a, double b, double x) { return Finite(TangentY(a, b * x)); }},
    {"yuqie", kLineRange, [](double a, double b, double x) { return CotangentY(a, b * x); }},
}};

const GraphPreset* FindGraph(std::string_view name) {
    for (const auto& g : kGraphs)
        if (g.name == name) return &g;
    return nullptr;
}

// The guards of the handlers: the parameters with which a preset draws nothing.
bool Refused(std::string_view name, double a, double b) {
    if (name == "zhishu" || name == "duishu") return a <= 0 || a == 1;
    if (name == "mihanshu2") return b == 0;
    if (name == "tuoyuan" || name == "shuang1" || name == "shuang2") return a == 0 || b == 0;
    return false;
}

// (x/a)² − (y/b)² = 1 as the sweep takes it: b²·(u²/a² − 1) − v² along the swept axis u.
plotter::KeyCurve Hyperbola(double a, double b, bool sweepsX) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    plotter::KeyCurve c;
    c.shape = plotter::KeyCurve::Shape::Implicit;
    const double reach = 8 * std::abs(a);
    c.from = sweepsX ? -reach : -kInf;
    c.to = sweepsX ? reach : kInf;
    c.yFrom = sweepsX ? -kInf : -reach;
    c.yTo = sweepsX ? kInf : reach;
    // Negative where |u| < |a|, so the equation needs no cut there.
    c.implicitValue = [a, b, sweepsX](double x, double y) -> std::optional<double> {
        const double u = sweepsX ? x : y, v = sweepsX ? y : x;
        return (b * b) * ((u * u) / (a * a) - 1) - v * v;
    };
    return c;
}

}  // namespace

std::optional<plotter::KeyCurve> PresetKeyCurve(std::string_view name, double a, double b,
                                                int number) {
    if (Refused(name, a, b)) return std::nullopt;
    plotter::KeyCurve c;
    if (const GraphPreset* g = FindGraph(name)) {
        c.from = g->range.start;
        c.to = g->range.end;
        c.graph = [y = g->y, a, b](double x) { return y(a, b, x); };
    } else if (name == "tuoyuan") {
        c.shape = plotter::KeyCurve::Shape::Parametric;
        c.from = 0;
        c.to = 6.283185307;
        c.point = [a, b](double t) -> std::optional<plotter::CurvePoint> {
            return plotter::CurvePoint{a * std::cos(t), b * std::sin(t)};
        };
    } else if (name == "shuang1" || name == "shuang2") {
        c = Hyperbola(a, b, name == "shuang1");
    } else {
        return std::nullopt;
    }
    c.number = number;
    return c;
}

bool PresetHasTable(std::string_view name) {
    return FindGraph(name) != nullptr;
}

std::vector<plotter::TableRow> PresetTable(std::string_view name, double a, double b,
                                           const plotter::TableRange& range) {
    std::vector<plotter::TableRow> rows;
    const GraphPreset* g = FindGraph(name);
    if (!g || range.count < 1 || range.count > plotter::kMaxTableRows) return rows;
    for (int k = 0; k < range.count; ++k) {
        const double x = range.from + k * range.step;
        const auto y = Refused(name, a, b) ? std::nullopt : g->y(a, b, x);
        plotter::TableRow row{vbrt::NumberToText(x), y ? vbrt::NumberToText(*y) : "", 0, ""};
        if (!y) row.error = std::isfinite(x) ? vbrt::kInvalidCall : vbrt::kOverflow;
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace presets
