// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "plotter/KeyCurve.h"
#include "plotter/SampleScript.h"
#include "script/ScriptEngine.h"

namespace plotter {

// The ranges a typed curve was drawn with, as the boxes read then; t in multiples of π.
struct DrawnRanges {
    double xFrom = -5;
    double xTo = 5;
    double yFrom = -5;
    double yTo = 5;
    double tFrom = 0;
    double tTo = 2;
};

// Typed equations as the key-point finder reads them, evaluated as their plots evaluate them:
// the plot's sample script, number texts and expressions. It has an engine of its own, so
// the window's engine keeps the variables its plots left. Outlives the curves it makes.
class TypedCurves {
  public:
    TypedCurves();
    TypedCurves(const TypedCurves&) = delete;
    TypedCurves& operator=(const TypedCurves&) = delete;

    // The curve of a normalised equation in the form the draw command gives it; nullopt
    // for a text that draws no curve (no "=", as an inequality).
    std::optional<KeyCurve> curve(std::string_view normalized, const DrawnRanges& ranges,
                                  int number);

    // The expression at one sample after the plot's assignments, e.g. {"x=", 2}.
    std::optional<double> value(const std::string& expression, std::string_view name, double v);
    std::optional<double> value(const std::string& expression, double x, double y);

  private:
    std::optional<double> evaluate(const std::string& expression);

    script::ScriptEngine engine_;
    SampleScript script_;
};

}  // namespace plotter
