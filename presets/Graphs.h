// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "presets/ErrorModes.h"
#include "presets/PresetSupport.h"
#include "presets/Sweep.h"

namespace presets {

// The x range of the straight line, the parabola and the trigonometric curves: about
// -8.333 to 8.333 (quotients of whole numbers, so the sweep never lands on 0).
inline constexpr SweepRange kLineRange{-2500.0 / 300, 2500.0 / 300, 0.001};

// The x range of the power curves.
inline constexpr SweepRange kPowerRange{-9, 9, 0.01};

// Sets (x, y(x)) at every step of the sweep; a failure ends the sweep (stop-and-report).
template <class Curve>
void PlotGraph(PresetContext& ctx, double& x, const SweepRange& range, Curve&& y) {
    Sweep(x, range, [&](double at) { SetPoint(ctx, at, y(at)); });
}

// Skip-and-continue: a step whose y cannot be computed or drawn sets no point, and the
// sweep goes on with the next x.
template <class Curve>
void PlotGraphSkipping(PresetContext& ctx, double& x, const SweepRange& range, Curve&& y) {
    Sweep(x, range, [&](double at) { TryStep([&] { SetPoint(ctx, at, y(at)); }); });
}

}  // namespace presets
