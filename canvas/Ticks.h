// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace canvas {

// How far apart the ticks of one axis are and how their numbers read.
struct TickScale {
    double step = 1;          // user units between neighbouring ticks
    bool inPi = false;        // numbered in multiples of pi ("π/2", "π", "3π/2" ...)
    long long piEighths = 0;  // inPi: the step in eighths of pi
    // The number printed at tick k (value k * step): a blank before zero and positive
    // numbers, the minus sign before negative ones.
    std::string label(long long k) const;
};

// The smallest step of 1, 2 or 5 times a power of ten that puts neighbouring ticks at least
// minPixels apart at pixelsPerUnit; 1 when either is not a finite positive number.
double TickStep(double pixelsPerUnit, double minPixels);

// The step for an axis whose labels must not overlap: the smallest candidate whose pixel
// distance is at least the pixel size of its widest label (measured by labelPixels) plus
// gapPixels. Decimal steps, or pi/8, pi/4, pi/2, pi, 2pi, 5pi ... when inPi.
TickScale ChooseTicks(double pixelsPerUnit, bool inPi, double gapPixels,
                      const std::function<double(const TickScale&)>& labelPixels);

}  // namespace canvas
