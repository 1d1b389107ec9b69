// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plotter/PlotContext.h"

namespace plotter {

// The five equation plotters the draw command hands the working equation to. Each follows
// the protocol of PlotSession and reads the equation from the working box; each adds the
// power function sp to the engine first.

// Any equation in x and y: a grid scan that marks the points where |R - L| <= 0.03.
void PlotGeneralEquation(PlotContext& ctx);
// y = f(x) at steps of 0.004 over the x range.
void PlotExplicitY(PlotContext& ctx);
// y^2 = f(x): both square-root branches at steps of 0.004.
void PlotSquaredY(PlotContext& ctx);
// x = f(t); y = g(t) over the t range in multiples of π, 2000 steps per π.
void PlotParametric(PlotContext& ctx);
// r = f(t), with the previous radius available as r.
void PlotPolar(PlotContext& ctx);

}  // namespace plotter
