// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace plotter {

// A function of one variable that may have no value at a point.
using Scalar = std::function<std::optional<double>(double)>;

// Values of h at count + 1 evenly spaced points from `from` to `to`.
struct Samples {
    std::vector<double> at;
    std::vector<std::optional<double>> value;
};
Samples SampleScalar(const Scalar& h, double from, double to, int count);

// Slope of h at s by the five-point difference; nullopt when a value fails.
std::optional<double> Slope(const Scalar& h, double s);

// The roots of h in the sampled range: each sign change bisected down to the last digit,
// and each near-miss (a sampled dip of |h| towards 0 without a sign change, as at a tangent
// touch) refined as the turning point of h and kept when h is 0 there. A root must leave a
// residual far below the values around it, so a pole (1/x, tan) is no root.
std::vector<double> FindRoots(const Scalar& h, const Samples& samples);

// The local maxima and minima of h in the sampled range, each refined as the sign change of
// its slope; a corner (abs) counts when h is extreme there.
std::vector<double> FindExtrema(const Scalar& h, const Samples& samples);

// Two equations in two unknowns.
using Pair = std::array<double, 2>;
using PairFunction = std::function<std::optional<Pair>(double, double)>;

// Newton's method from (u, v) with difference slopes; the solution when both equations are
// met to the last digits within `reach` of the start, else nullopt.
std::optional<Pair> SolvePair(const PairFunction& g, double u, double v, double reach);

}  // namespace plotter
