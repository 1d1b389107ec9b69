#include "plotter/KeyPoints.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <deque>
#include <utility>

#include "plotter/RootFinder.h"

namespace plotter {
namespace {

constexpr int kSamples = 720;   // samples of a range of one variable
constexpr int kGridCells = 64;  // cells per side of the grid of an implicit curve
constexpr double kSamePoint = 1e-7;
constexpr double kDust = 1e-11;

struct Span {
    double from;
    double to;
    bool contains(double v) const { return v >= from && v <= to; }
};

Span XSpan(const KeyCurve& c, const ViewRect& view) {
    return {std::max(c.from, view.left), std::min(c.to, view.right)};
}

Span YSpan(const KeyCurve& c, const ViewRect& view) {
    return {std::max(c.yFrom, view.bottom), std::min(c.yTo, view.top)};
}

Span Overlap(Span a, Span b) {
    return {std::max(a.from, b.from), std::min(a.to, b.to)};
}

double Clean(double v) {
    return std::fabs(v) < kDust ? 0.0 : v;
}

// F on a grid of cells over a rectangle, for the searches that need two unknowns.
struct Grid {
    Grid(const KeyCurve& c, Span xs, Span ys) : xs(xs), ys(ys) {
        dx = (xs.to - xs.from) / kGridCells;
        dy = (ys.to - ys.from) / kGridCells;
        for (int i = 0; i <= kGridCells; ++i)
            for (int j = 0; j <= kGridCells; ++j)
                values.push_back(c.residual(x(i), y(j)));
    }
    double x(int i) const { return xs.from + dx * i; }
    double y(int j) const { return ys.from + dy * j; }
    const std::optional<double>& at(int i, int j) const { return values[i * (kGridCells + 1) + j]; }

    Span xs, ys;
    double dx = 0, dy = 0;
    std::vector<std::optional<double>> values;
};

// One search: the points found, kept only when in view and on every curve named, each
// once; and the grids sampled, since a curve's grid serves its extrema and all its pairs.
class Collector {
  public:
    explicit Collector(const ViewRect& view) : view_(view) {}

    const Grid& grid(const KeyCurve& c, Span xs, Span ys) {
        for (const auto& [curve, g] : grids_)
            if (curve == &c && g.xs.from == xs.from && g.xs.to == xs.to && g.ys.from == ys.from &&
                g.ys.to == ys.to)
                return g;
        return grids_.emplace_back(&c, Grid(c, xs, ys)).second;
    }

    void add(KeyKind kind, double x, double y, std::initializer_list<const KeyCurve*> on) {
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

    std::vector<KeyPoint> sorted() && {
        std::sort(points_.begin(), points_.end(), [](const KeyPoint& a, const KeyPoint& b) {
            if (a.kind != b.kind) return a.kind < b.kind;
            if (a.x != b.x) return a.x < b.x;
            if (a.y != b.y) return a.y < b.y;
            return a.curves < b.curves;
        });
        return std::move(points_);
    }

  private:
    const ViewRect& view_;
    std::vector<KeyPoint> points_;
    std::deque<std::pair<const KeyCurve*, Grid>> grids_;
};

std::vector<double> RootsOver(const Scalar& h, Span span) {
    return FindRoots(h, SampleScalar(h, span.from, span.to, kSamples));
}

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

void GraphPoints(Collector& out, const KeyCurve& c, const ViewRect& view) {
    const Span xs = XSpan(c, view);
    const Samples samples = SampleScalar(c.graph, xs.from, xs.to, kSamples);
    for (const double x : FindRoots(c.graph, samples))
        out.add(KeyKind::Zero, x, 0, {&c});
    if (xs.contains(0))
        if (const auto y = c.graph(0)) out.add(KeyKind::YIntercept, 0, *y, {&c});
    for (const double x : FindExtrema(c.graph, samples))
        if (const auto y = c.graph(x)) out.add(KeyKind::Extremum, x, *y, {&c});
}

void ParametricPoints(Collector& out, const KeyCurve& c) {
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
void ImplicitExtrema(Collector& out, const KeyCurve& c, const Grid& grid) {
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

void ImplicitPoints(Collector& out, const KeyCurve& c, const ViewRect& view) {
    const Span xs = XSpan(c, view), ys = YSpan(c, view);
    if (ys.contains(0))
        for (const double x : RootsOver([&](double s) { return c.implicitValue(s, 0); }, xs))
            out.add(KeyKind::Zero, x, 0, {&c});
    if (xs.contains(0))
        for (const double y : RootsOver([&](double s) { return c.implicitValue(0, s); }, ys))
            out.add(KeyKind::YIntercept, 0, y, {&c});
    ImplicitExtrema(out, c, out.grid(c, xs, ys));
}

void CurvePoints(Collector& out, const KeyCurve& c, const ViewRect& view) {
    switch (c.shape) {
        case KeyCurve::Shape::Graph:
            return GraphPoints(out, c, view);
        case KeyCurve::Shape::Parametric:
            return ParametricPoints(out, c);
        case KeyCurve::Shape::Implicit:
            return ImplicitPoints(out, c, view);
    }
}

// Parametric against a curve with an equation: the equation along the parameter.
void ParametricMeets(Collector& out, const KeyCurve& p, const KeyCurve& other) {
    const Scalar h = [&](double t) -> std::optional<double> {
        const auto at = p.point(t);
        return at ? other.residual(at->x, at->y) : std::nullopt;
    };
    for (const double t : RootsOver(h, {p.from, p.to}))
        if (const auto at = p.point(t)) out.add(KeyKind::Intersection, at->x, at->y, {&p, &other});
}

// A graph against a graph or an implicit curve: the other's equation along the graph.
void GraphMeets(Collector& out, const KeyCurve& g, const KeyCurve& other, const ViewRect& view) {
    const Scalar h = [&](double x) -> std::optional<double> {
        const auto y = g.graph(x);
        return y ? other.residual(x, *y) : std::nullopt;
    };
    for (const double x : RootsOver(h, Overlap(XSpan(g, view), XSpan(other, view))))
        if (const auto y = g.graph(x)) out.add(KeyKind::Intersection, x, *y, {&g, &other});
}

// Two implicit curves: Newton on both equations from each cell where both change sign.
void ImplicitMeets(Collector& out, const KeyCurve& a, const KeyCurve& b, const ViewRect& view) {
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
void ParametricPairMeets(Collector& out, const KeyCurve& a, const KeyCurve& b) {
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

void PairPoints(Collector& out, const KeyCurve& a, const KeyCurve& b, const ViewRect& view) {
    using Shape = KeyCurve::Shape;
    const bool aParam = a.shape == Shape::Parametric, bParam = b.shape == Shape::Parametric;
    if (aParam && bParam) return ParametricPairMeets(out, a, b);
    if (aParam) return ParametricMeets(out, a, b);
    if (bParam) return ParametricMeets(out, b, a);
    if (a.shape == Shape::Graph) return GraphMeets(out, a, b, view);
    if (b.shape == Shape::Graph) return GraphMeets(out, b, a, view);
    ImplicitMeets(out, a, b, view);
}

}  // namespace

std::vector<KeyPoint> FindKeyPoints(const std::vector<KeyCurve>& curves, const ViewRect& view) {
    Collector out(view);
    for (const KeyCurve& c : curves)
        CurvePoints(out, c, view);
    for (std::size_t i = 0; i < curves.size(); ++i)
        for (std::size_t j = i + 1; j < curves.size(); ++j)
            PairPoints(out, curves[i], curves[j], view);
    return std::move(out).sorted();
}

const char* KeyKindName(KeyKind kind) {
    switch (kind) {
        case KeyKind::Zero:
            return "zero";
        case KeyKind::YIntercept:
            return "y-intercept";
        case KeyKind::Extremum:
            return "extremum";
        case KeyKind::Intersection:
            return "intersection";
    }
    return "";
}

std::string KeyNumberText(double value, int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*g", digits, Clean(value) + 0.0);
    return text;
}

std::string KeyPointLine(const KeyPoint& point) {
    std::string line = KeyKindName(point.kind);
    line += '\t' + KeyNumberText(point.x, 12) + '\t' + KeyNumberText(point.y, 12) + '\t';
    for (std::size_t i = 0; i < point.curves.size(); ++i)
        line += (i ? "," : "") + std::to_string(point.curves[i]);
    return line;
}

}  // namespace plotter
