// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "plotter/KeySearch.h"

namespace plotter {
namespace {

// Parametric against a curve with an equation: the equation along the parameter.
void ParametricMeets(KeySearch& out, const KeyCurve& p, const KeyCurve& other) {
    const Scalar h = [&](double t) -> std::optional<double> {
        const auto at = p.point(t);
        return at ? other.residual(at->x, at->y) : std::nullopt;
    };
    for (const double t : RootsOver(h, {p.from, p.to}))
        if (const auto at = p.point(t)) out.add(KeyKind::Intersection, at->x, at->y, {&p, &other});
}

// A graph against a graph or an implicit curve: the other's equation along the graph.
void GraphMeets(KeySearch& out, const KeyCurve& g, const KeyCurve& other, const ViewRect& view) {
    const Scalar h = [&](double x) -> std::optional<double> {
        const auto y = g.graph(x);
        return y ? other.residual(x, *y) : std::nullopt;
    };
    for (const double x : RootsOver(h, Overlap(XSpan(g, view), XSpan(other, view))))
        if (const auto y = g.graph(x)) out.add(KeyKind::Intersection, x, *y, {&g, &other});
}

// Two implicit curves: Newton on both equations from each cell where both change sign.
void ImplicitMeets(KeySearch& out, const KeyCurve& a, const KeyCurve& b, const ViewRect& view) {
    const Span xs = Overlap(XSpan(a, view), XSpan(b, view));
    const Span ys = Overlap(YSpan(a, view), YSpan(b, view));
    const Grid& ga = out.grid(a, xs, ys);
    const Grid& gb = out.grid(b, xs, ys);
    const PairFunction both = [&](double x, double y) -> std::optional<Pair> {
        const auto fa = a.implicitValue(x, y);
        const auto fb = fa ? b.implicitValue(x, y) : std::nullopt;
        if (!fb) return std::nullopt;
        return Pair{*fa, *fb};
    };
    ForCells(
        ga,
        [&](int i, int j) {
            return ChangesSign([&](int u, int v) { return ga.at(i + u, j + v); }) &&
                   ChangesSign([&](int u, int v) { return gb.at(i + u, j + v); });
        },
        [&](double x, double y, double reach) {
            if (const auto p = SolvePair(both, x, y, reach))
                out.add(KeyKind::Intersection, (*p)[0], (*p)[1], {&a, &b});
        });
}

// Two parametric curves: Newton on both parameters from each crossing of their polylines.
void ParametricPairMeets(KeySearch& out, const KeyCurve& a, const KeyCurve& b) {
    const auto trace = [](const KeyCurve& c) {
        std::vector<std::pair<double, std::optional<CurvePoint>>> line;
        for (int i = 0; i <= kSamples; ++i) {
            const double t = c.from + (c.to - c.from) * i / kSamples;
            line.emplace_back(t, c.point(t));
        }
        return line;
    };
    const auto la = trace(a), lb = trace(b);
    const PairFunction gap = [&](double s, double t) -> std::optional<Pair> {
        const auto p = a.point(s);
        const auto q = p ? b.point(t) : std::nullopt;
        if (!q) return std::nullopt;
        return Pair{p->x - q->x, p->y - q->y};
    };
    const double reach = 4 * std::max(a.to - a.from, b.to - b.from) / kSamples;
    for (std::size_t i = 0; i + 1 < la.size(); ++i) {
        const auto &p0 = la[i].second, &p1 = la[i + 1].second;
        if (!p0 || !p1) continue;
        for (std::size_t j = 0; j + 1 < lb.size(); ++j) {
            const auto &q0 = lb[j].second, &q1 = lb[j + 1].second;
            if (!q0 || !q1) continue;
            const double ex = p1->x - p0->x, ey = p1->y - p0->y;
            const double fx = q1->x - q0->x, fy = q1->y - q0->y;
            const double det = ex * fy - ey * fx;
            if (det == 0) continue;
            const double gx = q0->x - p0->x, gy = q0->y - p0->y;
            const double u = (gx * fy - gy * fx) / det, v = (gx * ey - gy * ex) / det;
            if (u < 0 || u > 1 || v < 0 || v > 1) continue;
            const double s = la[i].first + u * (la[i + 1].first - la[i].first);
            const double t = lb[j].first + v * (lb[j + 1].first - lb[j].first);
            if (const auto st = SolvePair(gap, s, t, reach))
                if (const auto at = a.point((*st)[0]))
                    out.add(KeyKind::Intersection, at->x, at->y, {&a, &b});
        }
    }
}

}  // namespace

void PairKeyPoints(KeySearch& out, const KeyCurve& a, const KeyCurve& b) {
    const ViewRect& view = out.view();
    using Shape = KeyCurve::Shape;
    const bool aParam = a.shape == Shape::Parametric, bParam = b.shape == Shape::Parametric;
    if (aParam && bParam) return ParametricPairMeets(out, a, b);
    if (aParam) return ParametricMeets(out, a, b);
    if (bParam) return ParametricMeets(out, b, a);
    if (a.shape == Shape::Graph) return GraphMeets(out, a, b, view);
    if (b.shape == Shape::Graph) return GraphMeets(out, b, a, view);
    ImplicitMeets(out, a, b, view);
}

}  // namespace plotter
