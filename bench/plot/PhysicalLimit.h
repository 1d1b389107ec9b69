// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The physical limit of a plot: its grid or sweep and its dots done by plain C++ with the
// equation compiled in, no evaluator, no texts, no point file.
namespace bench {

enum class Shape { Scan, ExplicitY, SquaredY, Parametric, Polar };

struct NativePlot {
    Shape shape;
    // Scan: the difference at (x, y); y= and y^2=: the right side at x; polar: r at t;
    // parametric: x at t when b is 0, y at t when b is 1.
    double (*f)(double a, double b);
};

// Milliseconds of one native run over the x and y ranges (the t range is 0 to 2π, as the
// boxes start).
double LimitMs(const NativePlot& plot, const std::array<double, 4>& ranges);

}  // namespace bench
