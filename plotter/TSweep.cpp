#include "plotter/TSweep.h"

#include "plotter/RangeBoxes.h"

namespace plotter {

TSweep::TSweep(const PlotContext& ctx)
    : step(kRangePi / 2000),
      end(RangeValue(ctx, kTTo) * kRangePi),
      start(RangeValue(ctx, kTFrom) * kRangePi) {}

}  // namespace plotter
