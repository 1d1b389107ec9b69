// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/Canvas.h"

namespace plotter {

// True when value converts to a single without overflow.
bool FitsSingle(double value);

// A blue plot dot at (x, y) in the current pen width; false (and nothing drawn) when a
// coordinate is beyond the single range. Tested up front, so no exception per point.
bool PlotBluePoint(canvas::Canvas& picture, double x, double y);

}  // namespace plotter
