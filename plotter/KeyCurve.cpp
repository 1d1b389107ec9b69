// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/KeyCurve.h"

namespace plotter {

std::optional<double> KeyCurve::residual(double x, double y) const {
    if (shape == Shape::Implicit) return implicitValue(x, y);
    if (shape != Shape::Graph) return std::nullopt;
    const auto fx = graph(x);
    if (!fx) return std::nullopt;
    return *fx - y;
}

bool KeyCurve::covers(double x, double y) const {
    if (shape == Shape::Parametric) return true;
    if (x < from || x > to) return false;
    return shape == Shape::Graph || (y >= yFrom && y <= yTo);
}

}  // namespace plotter
