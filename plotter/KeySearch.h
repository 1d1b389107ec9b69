// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the key-point searches share: ranges, the grid of an implicit curve, and the search
// that gathers the points.
#include <algorithm>
#include <cmath>
#include <deque>
#include <initializer_list>
#include <utility>
#include <vector>

#include "plotter/KeyPoints.h"
#include "plotter/RootFinder.h"

namespace plotter {

inline constexpr int kSamples = 720;   // samples of a range of one variable
inline constexpr int kGridCells = 64;  // cells per side of the grid of an implicit curve
inline constexpr double kSamePoint = 1e-7;
inline constexpr double kDust = 1e-11;

struct Span {
    double from;
    double to;
    bool contains(double v) const { return v >= from && v <= to; }
};

inline Span XSpan(const KeyCurve& c, const ViewRect& view) {
    return {std::max(c.from, view.left), std::min(c.to, view.right)};
}

inline Span YSpan(const KeyCurve& c, const ViewRect& view) {
    return {std::max(c.yFrom, view.bottom), std::min(c.yTo, view.top)};
}

inline Span Overlap(Span a, Span b) {
    return {std::max(a.from, b.from), std::min(a.to, b.to)};
}

inline double Clean(double v) {
    return std::fabs(v) < kDust ? 0.0 : v;
}

// F on a grid of cells over a rectangle, for the searches that need two unknowns.
struct Grid {
    Grid(const KeyCurve& c, Span xs, Span ys);
    double x(int i) const { return xs.from + dx * i; }
    double y(int j) const { return ys.from + dy * j; }
    const std::optional<double>& at(int i, int j) const { return values[i * (kGridCells + 1) + j]; }

    Span xs, ys;
    double dx = 0, dy = 0;
    std::vector<std::optional<double>> values;
};

// One search: the points found, kept only when in view and on every curve named, each
// once; and the grids sampled, since a curve's grid serves its extrema and all its pairs.
class KeySearch {
  public:
    explicit KeySearch(const ViewRect& view) : view_(view) {}

    // The grid of the curve over the rectangle, sampled once per search.
    const Grid& grid(const KeyCurve& c, Span xs, Span ys);

    // A point on the curves named, unless it is out of view, off one of them or known.
    void add(KeyKind kind, double x, double y, std::initializer_list<const KeyCurve*> on);

    std::vector<KeyPoint> sorted() &&;
    const ViewRect& view() const { return view_; }

  private:
    const ViewRect& view_;
    std::vector<KeyPoint> points_;
    std::deque<std::pair<const KeyCurve*, Grid>> grids_;
};

// The roots of h over the span, from evenly spaced samples.
std::vector<double> RootsOver(const Scalar& h, Span span);

// True when the four corner values of a cell are known and not all of one sign.
template <class Corner>
bool ChangesSign(Corner corner) {
    bool negative = false, positive = false;
    for (int k = 0; k < 4; ++k) {
        const auto v = corner(k & 1, k >> 1);
        if (!v) return false;
        (*v < 0 ? negative : positive) = true;
    }
    return negative && positive;
}

// Calls solve(cx, cy, reach) at the centre of every cell where `wanted` holds.
template <class Wanted, class Solve>
void ForCells(const Grid& grid, Wanted wanted, Solve solve) {
    if (!(grid.dx > 0) || !(grid.dy > 0)) return;
    for (int i = 0; i < kGridCells; ++i)
        for (int j = 0; j < kGridCells; ++j)
            if (wanted(i, j))
                solve(grid.x(i) + grid.dx / 2, grid.y(j) + grid.dy / 2,
                      2 * std::max(grid.dx, grid.dy));
}

// The key points of one curve: zeros, y-intercept, extrema.
void CurveKeyPoints(KeySearch& search, const KeyCurve& c);
// The intersections of two curves.
void PairKeyPoints(KeySearch& search, const KeyCurve& a, const KeyCurve& b);

}  // namespace plotter
