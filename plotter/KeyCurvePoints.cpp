// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "plotter/KeySearch.h"

namespace plotter {
namespace {

void GraphPoints(KeySearch& out, const KeyCurve& c, const ViewRect& view) {
    const Span xs = XSpan(c, view);
    const Samples samples = SampleScalar(c.graph, xs.from, xs.to, kSamples);
    for (const double x : FindRoots(c.graph, samples))
        out.add(KeyKind::Zero, x, 0, {&c});
    if (xs.contains(0))
        if (const auto y = c.graph(0)) out.add(KeyKind::YIntercept, 0, *y, {&c});
    for (const double x : FindExtrema(c.graph, samples))
        if (const auto y = c.graph(x)) out.add(KeyKind::Extremum, x, *y, {&c});
}

void ParametricPoints(KeySearch& out, const KeyCurve& c) {
    const Scalar xOf = [&](double t) -> std::optional<double> {
        const auto p = c.point(t);
        return p ? std::optional(p->x) : std::nullopt;
    };
    const Scalar yOf = [&](double t) -> std::optional<double> {
        const auto p = c.point(t);
        return p ? std::optional(p->y) : std::nullopt;
    };
    const Samples ys = SampleScalar(yOf, c.from, c.to, kSamples);
    for (const double t : FindRoots(yOf, ys))
        if (const auto p = c.point(t)) out.add(KeyKind::Zero, p->x, 0, {&c});
    for (const double t : RootsOver(xOf, {c.from, c.to}))
        if (const auto p = c.point(t)) out.add(KeyKind::YIntercept, 0, p->y, {&c});
    for (const double t : FindExtrema(yOf, ys))
        if (const auto p = c.point(t)) out.add(KeyKind::Extremum, p->x, p->y, {&c});
}

// Where the curve is level: F = 0 and dF/dx = 0, with dF/dy not 0 (not a crossing point).
void ImplicitExtrema(KeySearch& out, const KeyCurve& c, const Grid& grid) {
    const auto slopeX = [&](double x, double y) {
        return Slope([&](double s) { return c.implicitValue(s, y); }, x);
    };
    const auto slopeAt = [&](int i, int j) -> std::optional<double> {
        const int a = std::max(i - 1, 0), b = std::min(i + 1, kGridCells);
        const auto fa = grid.at(a, j), fb = grid.at(b, j);
        if (!fa || !fb) return std::nullopt;
        return *fb - *fa;
    };
    const PairFunction level = [&](double x, double y) -> std::optional<Pair> {
        const auto f = c.implicitValue(x, y);
        const auto fx = f ? slopeX(x, y) : std::nullopt;
        if (!fx) return std::nullopt;
        return Pair{*f, *fx};
    };
    ForCells(
        grid,
        [&](int i, int j) {
            return ChangesSign([&](int a, int b) { return grid.at(i + a, j + b); }) &&
                   ChangesSign([&](int a, int b) { return slopeAt(i + a, j + b); });
        },
        [&](double x, double y, double reach) {
            const auto p = SolvePair(level, x, y, reach);
            if (!p) return;
            const auto fy = Slope([&](double s) { return c.implicitValue((*p)[0], s); }, (*p)[1]);
            if (fy && std::fabs(*fy) > 1e-6) out.add(KeyKind::Extremum, (*p)[0], (*p)[1], {&c});
        });
}

void ImplicitPoints(KeySearch& out, const KeyCurve& c, const ViewRect& view) {
    const Span xs = XSpan(c, view), ys = YSpan(c, view);
    if (ys.contains(0))
        for (const double x : RootsOver([&](double s) { return c.implicitValue(s, 0); }, xs))
            out.add(KeyKind::Zero, x, 0, {&c});
    if (xs.contains(0))
        for (const double y : RootsOver([&](double s) { return c.implicitValue(0, s); }, ys))
            out.add(KeyKind::YIntercept, 0, y, {&c});
    ImplicitExtrema(out, c, out.grid(c, xs, ys));
}

}  // namespace

void CurveKeyPoints(KeySearch& out, const KeyCurve& c) {
    const ViewRect& view = out.view();
    switch (c.shape) {
        case KeyCurve::Shape::Graph:
            return GraphPoints(out, c, view);
        case KeyCurve::Shape::Parametric:
            return ParametricPoints(out, c);
        case KeyCurve::Shape::Implicit:
            return ImplicitPoints(out, c, view);
    }
}

}  // namespace plotter
