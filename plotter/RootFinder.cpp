// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/RootFinder.h"

#include <algorithm>
#include <cmath>

namespace plotter {
namespace {

constexpr double kRootTolerance = 1e-9;    // of the values around a root
constexpr double kTouchTolerance = 1e-10;  // of a near-miss refined to a touch
constexpr int kBisections = 200;

double Magnitude(std::initializer_list<double> values) {
    double largest = 1;
    for (const double v : values)
        largest = std::max(largest, std::fabs(v));
    return largest;
}

// Halves [a, b] while h keeps opposite signs at its ends, until the middle is an end; the end
// nearer to 0 is the root.
std::optional<double> Bisect(const Scalar& h, double a, double ha, double b) {
    if (ha == 0) return a;
    double hb = NAN;
    for (int i = 0; i < kBisections; ++i) {
        double mid = a + (b - a) / 2;
        auto hm = h(mid);
        // A single point without a value (x^(1/3) at 0 has none) is stepped around.
        if (!hm) hm = h(mid = a + (b - a) * 0.375);
        if (mid == a || mid == b) break;
        if (!hm) return std::nullopt;
        if (*hm == 0) return mid;
        if ((*hm < 0) == (ha < 0)) {
            a = mid;
            ha = *hm;
        } else {
            b = mid;
            hb = *hm;
        }
    }
    return std::fabs(hb) < std::fabs(ha) ? b : a;
}

// Where the slope of h changes sign between a and b.
std::optional<double> TurningPoint(const Scalar& h, double a, double b) {
    const Scalar slope = [&](double s) { return Slope(h, s); };
    const auto sa = slope(a);
    const auto sb = slope(b);
    if (!sa || !sb || (*sa < 0) == (*sb < 0)) return std::nullopt;
    return Bisect(slope, a, *sa, b);
}

bool SameSign(double a, double b) {
    return (a < 0) == (b < 0);
}

}  // namespace

Samples SampleScalar(const Scalar& h, double from, double to, int count) {
    Samples samples;
    if (!(from <= to) || count < 1) return samples;
    for (int i = 0; i <= count; ++i) {
        const double s = i == count ? to : from + (to - from) * i / count;
        samples.at.push_back(s);
        samples.value.push_back(h(s));
    }
    return samples;
}

std::optional<double> Slope(const Scalar& h, double s) {
    const double d = 5e-4 * std::max(1.0, std::fabs(s) / 64);
    const auto m2 = h(s - 2 * d), m1 = h(s - d), p1 = h(s + d), p2 = h(s + 2 * d);
    if (!m2 || !m1 || !p1 || !p2) return std::nullopt;
    return (*m2 - 8 * *m1 + 8 * *p1 - *p2) / (12 * d);
}

std::vector<double> FindRoots(const Scalar& h, const Samples& samples) {
    std::vector<double> roots;
    const auto& v = samples.value;
    const auto& s = samples.at;
    for (std::size_t i = 0; i + 1 < v.size(); ++i) {
        // A lone sample without a value (a hole at 0) lies inside the bracket.
        const std::size_t j = !v[i + 1] && i + 2 < v.size() ? i + 2 : i + 1;
        if (!v[i] || !v[j]) continue;
        const double a = *v[i], b = *v[j];
        if (a != 0 && (SameSign(a, b) || b == 0)) continue;
        // A run of zeros (a curve lying on the axis, two curves drawn over each other) has no
        // single root to name.
        if (a == 0 && (b == 0 || (i > 0 && v[i - 1] && *v[i - 1] == 0))) continue;
        const auto root = Bisect(h, s[i], a, s[j]);
        const auto residual = root ? h(*root) : std::nullopt;
        if (residual && std::fabs(*residual) <= kRootTolerance * Magnitude({a, b}))
            roots.push_back(*root);
    }
    for (std::size_t i = 1; i + 1 < v.size(); ++i) {
        if (!v[i - 1] || !v[i] || !v[i + 1]) continue;
        const double a = *v[i - 1], m = *v[i], b = *v[i + 1];
        if (m == 0 || !SameSign(a, m) || !SameSign(m, b)) continue;
        if (std::fabs(m) > std::fabs(a) || std::fabs(m) > std::fabs(b)) continue;
        const auto touch = TurningPoint(h, s[i - 1], s[i + 1]);
        const auto residual = touch ? h(*touch) : std::nullopt;
        if (residual && std::fabs(*residual) <= kTouchTolerance * Magnitude({m}))
            roots.push_back(*touch);
    }
    return roots;
}

std::vector<double> FindExtrema(const Scalar& h, const Samples& samples) {
    std::vector<double> extrema;
    const auto& v = samples.value;
    const auto& s = samples.at;
    for (std::size_t i = 1; i + 1 < v.size(); ++i) {
        if (!v[i - 1] || !v[i] || !v[i + 1]) continue;
        const double a = *v[i - 1], m = *v[i], b = *v[i + 1];
        const bool peak = m > a && m >= b;
        const bool dip = m < a && m <= b;
        if (!peak && !dip) continue;
        const auto turn = TurningPoint(h, s[i - 1], s[i + 1]);
        const auto there = turn ? h(*turn) : std::nullopt;
        if (!there) continue;
        if (peak ? *there >= m : *there <= m) extrema.push_back(*turn);
    }
    return extrema;
}

namespace {

constexpr int kNewtonSteps = 40;

// Difference slopes of g at (u, v): the columns d/du and d/dv.
std::optional<std::array<Pair, 2>> Jacobian(const PairFunction& g, double u, double v) {
    const double du = 1e-6 * std::max(1.0, std::fabs(u));
    const double dv = 1e-6 * std::max(1.0, std::fabs(v));
    const auto up = g(u + du, v), um = g(u - du, v), vp = g(u, v + dv), vm = g(u, v - dv);
    if (!up || !um || !vp || !vm) return std::nullopt;
    return std::array<Pair, 2>{
        Pair{((*up)[0] - (*um)[0]) / (2 * du), ((*up)[1] - (*um)[1]) / (2 * du)},
        Pair{((*vp)[0] - (*vm)[0]) / (2 * dv), ((*vp)[1] - (*vm)[1]) / (2 * dv)}};
}

}  // namespace

std::optional<Pair> SolvePair(const PairFunction& g, double u, double v, double reach) {
    const double u0 = u, v0 = v;
    bool settled = false;
    for (int step = 0; step < kNewtonSteps && !settled; ++step) {
        const auto value = g(u, v);
        const auto slopes = value ? Jacobian(g, u, v) : std::nullopt;
        if (!slopes) return std::nullopt;
        const auto& [cu, cv] = *slopes;
        const double det = cu[0] * cv[1] - cv[0] * cu[1];
        if (det == 0 || !std::isfinite(det)) return std::nullopt;
        const double du = ((*value)[0] * cv[1] - cv[0] * (*value)[1]) / det;
        const double dv = (cu[0] * (*value)[1] - (*value)[0] * cu[1]) / det;
        u -= du;
        v -= dv;
        if (!std::isfinite(u) || !std::isfinite(v)) return std::nullopt;
        if (std::fabs(u - u0) > reach || std::fabs(v - v0) > reach) return std::nullopt;
        settled =
            std::fabs(du) <= 1e-11 * Magnitude({u}) && std::fabs(dv) <= 1e-11 * Magnitude({v});
    }
    const auto last = g(u, v);
    if (!settled || !last) return std::nullopt;
    if (std::fabs((*last)[0]) > kRootTolerance || std::fabs((*last)[1]) > kRootTolerance)
        return std::nullopt;
    return Pair{u, v};
}

}  // namespace plotter
