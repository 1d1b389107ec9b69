// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "plotter/PlotContext.h"

namespace plotter {

// Indices of the range boxes Text4(0..5).
enum RangeBox { kXFrom = 0, kXTo = 1, kYFrom = 2, kYTo = 3, kTFrom = 4, kTTo = 5 };

// π as the program uses it in ranges and steps, presets included (ten decimals, not M_PI).
inline constexpr double kPiTenDecimals = 3.1415926535;

// Leading number of a range box (Val of its text with full-width forms narrowed, so
// '－４．５' reads -4.5); 0 when the box holds none or a number beyond the double range
// (the plotters skip a failing step).
double RangeValue(const PlotContext& ctx, RangeBox box);
// The same reading of a box's text.
double RangeTextValue(std::string_view text);

// The parameter boxes Text1 (a) and Text2 (b), read as the range boxes are; 0 without them.
enum ParameterBox { kParameterA = 0, kParameterB = 1 };
double ParameterValue(const PlotContext& ctx, ParameterBox box);

// Legend lines of the ranges, from the boxes as they read now: «(-5≤x≤5，-5≤y≤5)»,
// «(-5≤x≤5)», «(0π≤t≤2π)».
std::string XYRangeLegend(const PlotContext& ctx);
std::string XRangeLegend(const PlotContext& ctx);
std::string TRangeLegend(const PlotContext& ctx);

}  // namespace plotter
