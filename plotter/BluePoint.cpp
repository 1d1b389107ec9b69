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

DotOutcome PlotBluePoint(canvas::Canvas& picture, double x, double y, QRgb colour) {
    if (!FitsSingle(x) || !FitsSingle(y)) return DotOutcome::Overflow;
    try {
        const bool shown =
            canvas::PlotPoint(picture, x, y, static_cast<double>(colour));
        return shown ? DotOutcome::Shown : DotOutcome::OutOfView;
    } catch (const vbrt::RuntimeError&) {
        return DotOutcome::Overflow;
    }
}

}  // namespace plotter
