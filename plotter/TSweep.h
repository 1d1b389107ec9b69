// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plotter/PlotContext.h"

namespace plotter {

// The t range of the parametric and polar plotters: the boxes in multiples of π, 2000
// steps per π.
struct TSweep {
    explicit TSweep(const PlotContext& ctx);
    double step;
    double end;
    double start;
};

}  // namespace plotter
