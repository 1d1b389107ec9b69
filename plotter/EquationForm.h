// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace plotter {

// The forms the draw command tells apart, in the order it tests them.
enum class EquationForm { Parametric, Polar, ExplicitY, SquaredY, General };

// Form of a normalised equation: ";" anywhere, else a leading "r=", "y=" or "y^2=", else
// the general scan.
EquationForm ClassifyEquation(std::string_view normalized);

// Everything after the first "=", or the whole text when it has none.
std::string_view TextAfterFirstEquals(std::string_view text);

}  // namespace plotter
