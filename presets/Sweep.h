// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plotter/RangeBoxes.h"
#include "vbrt/RuntimeError.h"

namespace presets {

// A fixed sweep: start, end and step of the variable.
struct SweepRange {
    double start;
    double end;
    double step;
};

using plotter::kPiTenDecimals;

// More steps than this would keep the window frozen for minutes; no school curve needs them.
inline constexpr double kMaxSweepSteps = 10'000'000;

// Visits start, start + step, ... by repeated addition (never start + k * step) while the
// variable is <= end, so the accumulated rounding decides whether the end is visited. The
// variable is left at the first value past the end. A range needing more than
// kMaxSweepSteps steps raises overflow before any visit instead of hanging the window.
template <class Visit>
void Sweep(double& variable, const SweepRange& range, Visit&& visit) {
    if ((range.end - range.start) / range.step > kMaxSweepSteps) {
        throw vbrt::RuntimeError(vbrt::kOverflow, "sweep too long");
    }
    for (variable = range.start; variable <= range.end; variable += range.step) {
        visit(variable);
    }
}

}  // namespace presets
