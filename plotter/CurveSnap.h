// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "plotter/KeyCurve.h"

namespace plotter {

// User units per pixel across and up the canvas.
struct PixelSize {
    double x;
    double y;
};

struct SnapPoint {
    double x;
    double y;
    int curve;  // the curve's number
};

// Samples of a parametric curve: t and the point there.
using CurveTrace = std::vector<std::pair<double, CurvePoint>>;

// Finds the point of a drawn curve under the pointer: for a graph y = f(x) the curve's
// point at the pointer's x, for the other shapes the nearest point of the curve, refined
// with the curve's own evaluation. Keeps samples of the parametric curves, so each pointer
// move costs a few evaluations.
class CurveSnapper {
  public:
    explicit CurveSnapper(std::vector<KeyCurve> curves);

    // The nearest curve's point when one lies within `radius` pixels of (x, y).
    std::optional<SnapPoint> snap(double x, double y, PixelSize pixel, double radius = 5) const;

  private:
    std::vector<KeyCurve> curves_;
    std::vector<CurveTrace> traces_;  // one per curve, empty but for parametric ones
};

}  // namespace plotter
