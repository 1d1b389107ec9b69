// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/Canvas.h"

namespace plotter {

// True when value converts to a single without overflow.
bool FitsSingle(double value);

enum class DotOutcome { Overflow, OutOfView, Shown };

// A plot dot at (x, y) in the given colour in the current pen width; Overflow (and nothing drawn) when a
// coordinate is beyond the single range, tested up front, so no exception per point.
DotOutcome PlotBluePoint(canvas::Canvas& picture, double x, double y, QRgb colour);

}  // namespace plotter
