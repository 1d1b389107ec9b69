// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/BluePoint.h"

#include <cmath>

#include "canvas/Frame.h"
#include "vbrt/RuntimeError.h"

namespace plotter {

bool FitsSingle(double value) {
    // Half a unit beyond the largest single still rounds down to it.
    constexpr double kLimit = 3.4028235677973366e38;
    return std::fabs(value) < kLimit;
}

bool PlotBluePoint(canvas::Canvas& picture, double x, double y) {
    if (!FitsSingle(x) || !FitsSingle(y)) return false;
    try {
        canvas::PlotPoint(picture, x, y, static_cast<double>(canvas::kPlotDotColour));
    } catch (const vbrt::RuntimeError&) {
        return false;
    }
    return true;
}

}  // namespace plotter
