// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/TSweep.h"

#include "plotter/RangeBoxes.h"

namespace plotter {

TSweep::TSweep(const PlotContext& ctx)
    : step(kPiTenDecimals / 2000),
      end(RangeValue(ctx, kTTo) * kPiTenDecimals),
      start(RangeValue(ctx, kTFrom) * kPiTenDecimals) {}

}  // namespace plotter
