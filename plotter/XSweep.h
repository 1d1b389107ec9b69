// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "plotter/PlotContext.h"
#include "plotter/PointFile.h"
#include "plotter/SampleScript.h"

namespace plotter {

inline constexpr double kXSweepStep = 0.004;

// What the y= and y^2= plotters share: the right side of the working equation, sp in the
// engine, the x range, and the dot-and-record step of one sample.
struct XSweep {
    // Reads the working box (normalised again, the box unchanged) and the x range, and adds
    // sp to the engine.
    explicit XSweep(PlotContext& ctx);

    // AddCode "x="; pen width 2 for the dot to come.
    void assignX(double x);
    // Blue dot at (x, y); appends the record when |x| >= 0.01 and the right side, evaluated
    // again, is at least 0.01 in size. A dot beyond the single range is a failure.
    void plotAndRecord(double x, double y);

    PlotContext& ctx;
    SampleScript script;
    std::string expression;
    PointFileWriter points;
    std::string xText;  // number text of the current x, as assigned
    double end;
    double start;
};

}  // namespace plotter
