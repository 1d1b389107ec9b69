// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/ViewSampling.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace plotter {
namespace {

constexpr double kMaxGap = 1;          // pixels between neighbouring points
constexpr int kMaxDepth = 10;          // halvings of one step
constexpr int kAskEvery = 64;          // evaluations between two questions to the caller
constexpr double kMaxSteps = 200'000;  // steps of a sweep, before halving
constexpr double kMaxCells = 2048;     // scan cells per side: a 4K canvas is scanned coarser
// Past this many evaluations steps are no longer halved: the picture stays as it is.
constexpr long kHalvingBudget = 4'000'000;
constexpr int kPoleChecks = 3;        // halvings that tell a crossing from a pole
constexpr double kTouchLimit = 0.03;  // the plots' own hit limit
// The t step of the plots, as the base of a t curve's steps.
constexpr double kTStep = std::numbers::pi / 2000;

std::optional<double> Finite(std::optional<double> v) {
    return v && std::isfinite(*v) ? v : std::nullopt;
}

class Sampler {
  public:
    using PointAt = std::function<std::optional<CurvePoint>(double)>;

    Sampler(const ViewRect& view, PixelSize pixel, const std::function<bool()>& keepGoing)
        : view_(view), pixel_(pixel), keepGoing_(keepGoing) {}

    // Counts one evaluation; false once the caller has said to stop.
    bool tick() {
        if (!stopped_ && ++evaluations_ % kAskEvery == 0 && !keepGoing_()) stopped_ = true;
        return !stopped_;
    }
    bool stopped() const { return stopped_; }
    std::vector<CurvePoint> take() { return std::move(points_); }

    void keep(CurvePoint p) {
        if (view_.contains(p.x, p.y)) points_.push_back(p);
    }

    // Points at `steps` equal steps from `from` to `to`, with too long steps halved.
    void sweep(const PointAt& at, double from, double to, double steps) {
        steps = std::clamp(std::ceil(steps), 1.0, kMaxSteps);
        std::optional<CurvePoint> before;
        double sBefore = from;
        for (int k = 0; k <= int(steps) && tick(); ++k) {
            const double s = k == int(steps) ? to : from + (to - from) * (k / steps);
            const auto p = at(s);
            if (p && before) halve(at, sBefore, *before, s, *p, kMaxDepth);
            if (p) keep(*p);
            before = p;
            sBefore = s;
        }
    }

    // Scans the pixel grid of the part of the view inside the ranges. A curve is where the
    // sign changes between two neighbouring nodes (unless it is a pole) or where the value
    // touches zero without changing sign, as (x-y)^2 does.
    void scan(const std::function<std::optional<double>(double, double)>& value, double x0,
              double x1, double y0, double y1) {
        if (!(x0 <= x1 && y0 <= y1)) return;
        const double dx = std::max(pixel_.x, (x1 - x0) / kMaxCells);
        const double dy = std::max(pixel_.y, (y1 - y0) / kMaxCells);
        const int columns = int((x1 - x0) / dx) + 1, rows = int((y1 - y0) / dy) + 1;
        const auto at = [&](double x, double y) {
            return tick() ? Finite(value(x, y)) : std::nullopt;
        };
        Column before(static_cast<size_t>(rows)), here = before, after = before;
        const auto fill = [&](Column& column, int i) {
            for (int j = 0; j < rows; ++j)
                column[size_t(j)] = at(x0 + i * dx, y0 + j * dy);
        };
        fill(here, 0);
        for (int i = 0; i < columns && !stopped_; ++i) {
            const bool last = i + 1 == columns;
            if (!last) fill(after, i + 1);
            const double x = x0 + i * dx;
            for (size_t j = 0; j < size_t(rows) && !stopped_; ++j) {
                const CurvePoint node{x, y0 + double(j) * dy};
                if (j + 1 < size_t(rows)) cross(at, node, here[j], {x, node.y + dy}, here[j + 1]);
                if (!last) cross(at, node, here[j], {x + dx, node.y}, after[j]);
                const auto none = std::optional<double>{};
                if (Touches(j > 0 ? here[j - 1] : none, here[j],
                            j + 1 < here.size() ? here[j + 1] : none) ||
                    Touches(i > 0 ? before[j] : none, here[j], last ? none : after[j]))
                    keep(node);
            }
            std::swap(before, here);
            std::swap(here, after);
        }
    }

  private:
    // Whether the step from a to b leaves a gap on the picture.
    bool tooLong(CurvePoint a, CurvePoint b) const {
        const double gap = std::max(std::abs(a.x - b.x) / pixel_.x, std::abs(a.y - b.y) / pixel_.y);
        if (!(gap > kMaxGap)) return false;
        // A step wholly beyond one edge of the view draws nothing.
        return !(
            (a.x < view_.left && b.x < view_.left) || (a.x > view_.right && b.x > view_.right) ||
            (a.y < view_.bottom && b.y < view_.bottom) || (a.y > view_.top && b.y > view_.top));
    }

    void halve(const PointAt& at, double s0, CurvePoint p0, double s1, CurvePoint p1, int depth) {
        if (depth == 0 || evaluations_ > kHalvingBudget || !tooLong(p0, p1) || !tick()) return;
        const double s = s0 + (s1 - s0) / 2;
        const auto p = at(s);
        if (!p) return;  // the curve has a gap there, as in its plot
        halve(at, s0, p0, s, *p, depth - 1);
        keep(*p);
        halve(at, s, *p, s1, p1, depth - 1);
    }

    using Column = std::vector<std::optional<double>>;

    // A value at most the plots' hit limit, closer to zero than one neighbour on a line and
    // not further than the other, all three of one sign: the curve touches zero here.
    static bool Touches(std::optional<double> before, std::optional<double> here,
                        std::optional<double> after) {
        if (!before || !here || !after || *here == 0 || std::abs(*here) > kTouchLimit) return false;
        const double b = std::abs(*before), h = std::abs(*here), a = std::abs(*after);
        const bool oneSign = (*before < 0) == (*here < 0) && (*after < 0) == (*here < 0);
        return oneSign && b >= h && a >= h && (b > h || a > h);
    }

    // A sign change from a to b is a crossing when the values nearest zero shrink as the
    // step around it is halved; at a pole they grow.
    template <class At>
    void cross(const At& at, CurvePoint a, std::optional<double> fa, CurvePoint b,
               std::optional<double> fb) {
        if (!fa || !fb) return;
        if (*fa == 0) return keep(a);
        if ((*fa < 0) == (*fb < 0) || *fb == 0) return;
        double near = std::min(std::abs(*fa), std::abs(*fb));
        for (int k = 0; k < kPoleChecks; ++k) {
            const CurvePoint m{(a.x + b.x) / 2, (a.y + b.y) / 2};
            const auto fm = at(m.x, m.y);
            if (!fm) return;
            if (*fm == 0) return keep(m);
            ((*fm < 0) == (*fa < 0) ? a : b) = m;
            ((*fm < 0) == (*fa < 0) ? fa : fb) = fm;
            const double nearer = std::min(std::abs(*fa), std::abs(*fb));
            if (nearer > near) return;
            near = nearer;
        }
        const double share = *fa / (*fa - *fb);
        keep({a.x + (b.x - a.x) * share, a.y + (b.y - a.y) * share});
    }

    ViewRect view_;
    PixelSize pixel_;
    const std::function<bool()>& keepGoing_;
    std::vector<CurvePoint> points_;
    long evaluations_ = 0;
    bool stopped_ = false;
};

}  // namespace

std::optional<std::vector<CurvePoint>> SampleInView(const KeyCurve& curve, const ViewRect& view,
                                                    PixelSize pixel,
                                                    const std::function<bool()>& keepGoing) {
    if (!(pixel.x > 0 && pixel.y > 0)) return std::vector<CurvePoint>{};
    Sampler sampler(view, pixel, keepGoing);
    switch (curve.shape) {
        case KeyCurve::Shape::Graph: {
            // One column beyond each edge, so the first and last columns join the ones outside.
            const double from = std::max(curve.from, view.left - pixel.x);
            const double to = std::min(curve.to, view.right + pixel.x);
            if (from <= to) {
                const auto at = [&](double x) -> std::optional<CurvePoint> {
                    const auto y = Finite(curve.graph(x));
                    return y ? std::optional(CurvePoint{x, *y}) : std::nullopt;
                };
                sampler.sweep(at, from, to, (to - from) / pixel.x);
            }
            break;
        }
        case KeyCurve::Shape::Parametric:
            if (curve.from <= curve.to) {
                const auto at = [&](double t) -> std::optional<CurvePoint> {
                    const auto p = curve.point(t);
                    if (!p || !std::isfinite(p->x) || !std::isfinite(p->y)) return std::nullopt;
                    return p;
                };
                sampler.sweep(at, curve.from, curve.to, (curve.to - curve.from) / kTStep);
            }
            break;
        case KeyCurve::Shape::Implicit:
            sampler.scan(curve.implicitValue, std::max(curve.from, view.left),
                         std::min(curve.to, view.right), std::max(curve.yFrom, view.bottom),
                         std::min(curve.yTo, view.top));
            break;
    }
    if (sampler.stopped()) return std::nullopt;
    return sampler.take();
}

}  // namespace plotter
