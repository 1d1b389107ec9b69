// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "plotter/KeyCurve.h"

namespace plotter {

// The part of the plane the canvas shows.
struct ViewRect {
    double left = -12;
    double right = 12;
    double bottom = -12;
    double top = 12;
    bool contains(double x, double y) const {
        return x >= left && x <= right && y >= bottom && y <= top;
    }
};

// In the order they are listed.
enum class KeyKind { Zero, YIntercept, Extremum, Intersection };

struct KeyPoint {
    KeyKind kind;
    double x;
    double y;
    std::vector<int> curves;  // drawn item numbers, ascending
};

// Zeros, y-intercepts and local extrema of every curve and the intersections of every pair,
// inside the view and where the curves are drawn; each refined with the curves' own
// evaluation to an error far below 1e-9. Sorted by kind, then x, then y; a point found twice
// (a curve traced twice, a touch found from both sides) is listed once.
std::vector<KeyPoint> FindKeyPoints(const std::vector<KeyCurve>& curves, const ViewRect& view);

// "zero", "y-intercept", "extremum", "intersection".
const char* KeyKindName(KeyKind kind);

// Number text with the given significant digits, no exponent for ordinary magnitudes and no
// trailing zeros; a value below 1e-11 in size is 0 (refinement leaves such dust at a zero).
std::string KeyNumberText(double value, int digits);

// One line KIND<TAB>X<TAB>Y<TAB>CURVES, numbers with 12 significant digits, curves "1,2".
std::string KeyPointLine(const KeyPoint& point);

}  // namespace plotter
