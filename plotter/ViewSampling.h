// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "plotter/CurveSnap.h"
#include "plotter/KeyCurve.h"
#include "plotter/KeyPoints.h"

namespace plotter {

// The points of a curve in a view, as close together as the view's pixels (`pixel`: user
// units per device pixel): a graph once per pixel column, with its steep parts filled in; a
// t curve in steps that leave at most a pixel between neighbours; an implicit curve where
// its equation changes sign between neighbouring pixels. Only points in the view are kept.
// `keepGoing` is asked every few dozen evaluations; when it says no, sampling stops and
// gives nothing.
std::optional<std::vector<CurvePoint>> SampleInView(const KeyCurve& curve, const ViewRect& view,
                                                    PixelSize pixel,
                                                    const std::function<bool()>& keepGoing);

}  // namespace plotter
