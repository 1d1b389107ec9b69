// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/KeySearch.h"

namespace plotter {

Grid::Grid(const KeyCurve& c, Span xs, Span ys) : xs(xs), ys(ys) {
    dx = (xs.to - xs.from) / kGridCells;
    dy = (ys.to - ys.from) / kGridCells;
    for (int i = 0; i <= kGridCells; ++i)
        for (int j = 0; j <= kGridCells; ++j)
            values.push_back(c.residual(x(i), y(j)));
}

const Grid& KeySearch::grid(const KeyCurve& c, Span xs, Span ys) {
    for (const auto& [curve, g] : grids_)
        if (curve == &c && g.xs.from == xs.from && g.xs.to == xs.to && g.ys.from == ys.from &&
            g.ys.to == ys.to)
            return g;
    return grids_.emplace_back(&c, Grid(c, xs, ys)).second;
}

void KeySearch::add(KeyKind kind, double x, double y, std::initializer_list<const KeyCurve*> on) {
    x = Clean(x);
    y = Clean(y);
    if (!view_.contains(x, y)) return;
    std::vector<int> curves;
    for (const KeyCurve* c : on) {
        if (!c->covers(x, y)) return;
        curves.push_back(c->number);
    }
    std::sort(curves.begin(), curves.end());
    for (const KeyPoint& p : points_) {
        if (p.kind == kind && p.curves == curves && std::fabs(p.x - x) <= kSamePoint &&
            std::fabs(p.y - y) <= kSamePoint)
            return;
    }
    points_.push_back({kind, x, y, std::move(curves)});
}

std::vector<KeyPoint> KeySearch::sorted() && {
    std::sort(points_.begin(), points_.end(), [](const KeyPoint& a, const KeyPoint& b) {
        if (a.kind != b.kind) return a.kind < b.kind;
        if (a.x != b.x) return a.x < b.x;
        if (a.y != b.y) return a.y < b.y;
        return a.curves < b.curves;
    });
    return std::move(points_);
}

std::vector<double> RootsOver(const Scalar& h, Span span) {
    return FindRoots(h, SampleScalar(h, span.from, span.to, kSamples));
}

}  // namespace plotter
