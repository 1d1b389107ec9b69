// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <limits>
#include <optional>
#include <string>

namespace plotter {

struct CurvePoint {
    double x;
    double y;
};

// A drawn curve as the key-point finder reads it, in one of three shapes: a graph y = f(x)
// over an x range, a parametric point (x(t), y(t)) over a t range, or an implicit equation
// F(x, y) = 0 (F signed) inside an x and y range. A value that cannot be computed is
// nullopt, as a sample of the plot that draws no dot.
struct KeyCurve {
    enum class Shape { Graph, Parametric, Implicit };

    Shape shape = Shape::Graph;
    int number = 0;  // the drawn item's number, 1-based, as key points name it
    std::function<std::optional<double>(double)> graph;                  // y = f(x)
    std::function<std::optional<CurvePoint>(double)> point;              // (x(t), y(t))
    std::function<std::optional<double>(double, double)> implicitValue;  // F(x, y)
    double from = 0;  // x (graph, implicit) or t (parametric)
    double to = 0;
    double yFrom = -std::numeric_limits<double>::infinity();  // implicit only
    double yTo = std::numeric_limits<double>::infinity();
    // Each point starts from the one before (r in a polar equation): only its own plot, in
    // its own order, draws it.
    bool readsPointBefore = false;

    // The signed equation of any graph or implicit curve: f(x) - y for a graph.
    std::optional<double> residual(double x, double y) const;
    // Whether (x, y) lies where the curve is drawn (its x and y ranges; any t curve: yes).
    bool covers(double x, double y) const;
};

}  // namespace plotter
