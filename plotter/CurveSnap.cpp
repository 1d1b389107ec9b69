// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/CurveSnap.h"

#include <algorithm>
#include <cmath>

namespace plotter {
namespace {

constexpr int kTraceSamples = 2000;
constexpr int kGraphProbes = 10;
constexpr int kProjectionSteps = 12;
constexpr int kGoldenSteps = 40;

struct Candidate {
    CurvePoint point;
    double distance;  // in pixels
};

double PixelDistance(CurvePoint a, double x, double y, PixelSize pixel) {
    return std::hypot((a.x - x) / pixel.x, (a.y - y) / pixel.y);
}

// The graph's point at the pointer's x, when the graph passes within the radius there.
std::optional<Candidate> NearGraph(const KeyCurve& c, double x, double y, PixelSize pixel,
                                   double radius) {
    const auto fx = c.graph(x);
    if (!fx || !c.covers(x, *fx)) return std::nullopt;
    double nearest = PixelDistance({x, *fx}, x, y, pixel);
    for (int k = -kGraphProbes; k <= kGraphProbes && nearest > radius; ++k) {
        const double s = x + k * radius * pixel.x / kGraphProbes;
        if (const auto fs = c.graph(s))
            nearest = std::min(nearest, PixelDistance({s, *fs}, x, y, pixel));
    }
    return Candidate{{x, *fx}, nearest};
}

// Newton steps from the pointer along the slope of F, measured in pixels, onto F = 0.
std::optional<Candidate> NearImplicit(const KeyCurve& c, double x, double y, PixelSize pixel) {
    double u = x, v = y;
    for (int step = 0; step < kProjectionSteps; ++step) {
        const double hx = pixel.x * 1e-3, hy = pixel.y * 1e-3;
        const auto f = c.implicitValue(u, v);
        const auto fxp = c.implicitValue(u + hx, v), fxm = c.implicitValue(u - hx, v);
        const auto fyp = c.implicitValue(u, v + hy), fym = c.implicitValue(u, v - hy);
        if (!f || !fxp || !fxm || !fyp || !fym) return std::nullopt;
        if (*f == 0) break;
        // Slopes per pixel, so the step is the shortest in what the user sees.
        const double gx = (*fxp - *fxm) / 2e-3, gy = (*fyp - *fym) / 2e-3;
        const double norm = gx * gx + gy * gy;
        if (norm == 0 || !std::isfinite(norm)) return std::nullopt;
        u -= *f * gx / norm * pixel.x;
        v -= *f * gy / norm * pixel.y;
    }
    const auto f = c.implicitValue(u, v);
    if (!f || std::fabs(*f) > 1e-9 || !c.covers(u, v)) return std::nullopt;
    return Candidate{{u, v}, PixelDistance({u, v}, x, y, pixel)};
}

// The nearest sample of the trace, then the nearest t around it by golden section.
std::optional<Candidate> NearTrace(const KeyCurve& c, const CurveTrace& trace, double x, double y,
                                   PixelSize pixel) {
    std::size_t nearest = 0;
    for (std::size_t i = 1; i < trace.size(); ++i)
        if (PixelDistance(trace[i].second, x, y, pixel) <
            PixelDistance(trace[nearest].second, x, y, pixel))
            nearest = i;
    double a = trace[nearest > 0 ? nearest - 1 : 0].first;
    double b = trace[std::min(nearest + 1, trace.size() - 1)].first;
    const auto distance = [&](double t) {
        const auto p = c.point(t);
        return p ? PixelDistance(*p, x, y, pixel) : HUGE_VAL;
    };
    constexpr double kGolden = 0.6180339887498949;
    for (int step = 0; step < kGoldenSteps; ++step) {
        const double l = b - kGolden * (b - a), r = a + kGolden * (b - a);
        if (distance(l) < distance(r)) {
            b = r;
        } else {
            a = l;
        }
    }
    const auto p = c.point((a + b) / 2);
    if (!p)
        return Candidate{trace[nearest].second, PixelDistance(trace[nearest].second, x, y, pixel)};
    return Candidate{*p, PixelDistance(*p, x, y, pixel)};
}

}  // namespace

CurveSnapper::CurveSnapper(std::vector<KeyCurve> curves) : curves_(std::move(curves)) {
    for (const KeyCurve& c : curves_) {
        CurveTrace& trace = traces_.emplace_back();
        if (c.shape != KeyCurve::Shape::Parametric) continue;
        for (int i = 0; i <= kTraceSamples; ++i) {
            const double t = c.from + (c.to - c.from) * i / kTraceSamples;
            if (const auto p = c.point(t)) trace.emplace_back(t, *p);
        }
    }
}

std::optional<SnapPoint> CurveSnapper::snap(double x, double y, PixelSize pixel,
                                            double radius) const {
    std::optional<SnapPoint> best;
    double bestDistance = radius;
    for (std::size_t k = 0; k < curves_.size(); ++k) {
        const KeyCurve& c = curves_[k];
        std::optional<Candidate> found;
        if (c.shape == KeyCurve::Shape::Graph) {
            found = NearGraph(c, x, y, pixel, radius);
        } else if (c.shape == KeyCurve::Shape::Implicit) {
            found = NearImplicit(c, x, y, pixel);
        } else if (!traces_[k].empty()) {
            found = NearTrace(c, traces_[k], x, y, pixel);
        }
        if (found && found->distance <= bestDistance) {
            bestDistance = found->distance;
            best = SnapPoint{found->point.x, found->point.y, c.number};
        }
    }
    return best;
}

}  // namespace plotter
