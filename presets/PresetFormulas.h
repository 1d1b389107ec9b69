// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <optional>

// The formulas of the preset curves, written once: the click handlers sweep them and the key
// points and the table of values read them, so both see the same numbers.
namespace presets {

inline double LineY(double a, double b, double x) {
    return a * x + b;
}
inline double ParabolaY(double a, double b, double x) {
    return a * (x * x) + b;
}
inline double PowerY(double a, double x) {
    return std::pow(x, a);
}
inline double ExponentialY(double a, double x) {
    return std::pow(a, x);
}
inline double LogarithmY(double a, double x) {
    return std::log(x) / std::log(a);
}
inline double InverseY(double a, double x) {
    return a / x;
}
inline double SineY(double a, double angle) {
    return a * std::sin(angle);
}
inline double CosineY(double a, double angle) {
    return a * std::cos(angle);
}
inline double TangentY(double a, double angle) {
    return a * std::tan(angle);
}

// No value where tan(b·x) = 0.
inline std::optional<double> CotangentY(double a, double angle) {
    const double t = std::tan(angle);
    if (t == 0) return std::nullopt;
    return a * 1 / t;
}

// The other coordinate of a hyperbola at u, |u| >= |a|: √(b²·(u²/a² − 1)).
inline double HyperbolaV(double a, double b, double u) {
    return std::sqrt((b * b) * ((u * u) / (a * a) - 1));
}

}  // namespace presets
