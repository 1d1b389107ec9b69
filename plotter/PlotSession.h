// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "plotter/PlotContext.h"
#include "plotter/SampleScript.h"
#include "plotter/YieldPacer.h"

namespace plotter {

// The protocol every equation plotter follows: the start, the cancel test before each
// sample with a pass of the event loop before the first and then every couple of
// milliseconds, and the normal end with the two legend lines. A plotter that notices a
// cancel simply returns: the cancel has already restored the window.
class PlotSession {
  public:
    // Start: pen width 2, timer on, busy caption, cancel request cleared. The session takes
    // the current cancel generation as its own, so a later cancel stops it for good. It
    // counts itself among the plots running until it is destroyed.
    explicit PlotSession(PlotContext& ctx);
    ~PlotSession();
    PlotSession(const PlotSession&) = delete;
    PlotSession& operator=(const PlotSession&) = delete;

    // Yields to the event loop when it is time to; false when this plot has been cancelled
    // since it started (also when another plot has started and finished in the meantime).
    bool nextSample();

    // Calls sample(v) for v = start, start + step, ... while v <= end, the loop variable
    // growing by repeated addition; each sample is preceded by nextSample(). Returns false
    // when the plot was cancelled. A step too small to move v ends the loop.
    template <typename Sample>
    bool sweep(double start, double end, double step, Sample&& sample) {
        for (double v = start; v <= end;) {
            if (!nextSample()) return false;
            sample(v);
            const double next = v + step;
            if (next == v) break;
            v = next;
        }
        return true;
    }

    // Normal end: timer off, "◇处理完毕！", draw button enabled, the equation as typed and
    // rangeLine printed into the legend box, pen width 1; then the report of a plot whose
    // samples failed without setting a dot (ReportEmptyPlot) and of a point file that could
    // not take every record (ReportCutPointFile).
    void finish(const std::string& rangeLine, const SampleScript& script);

  private:
    PlotContext& ctx_;
    std::uint64_t generation_;
    YieldPacer pacer_;
};

// Loop over a range by repeated addition without yielding (the outer loop of the scan);
// stops and returns false as soon as body returns false.
template <typename Body>
bool SweepSteps(double start, double end, double step, Body&& body) {
    for (double v = start; v <= end;) {
        if (!body(v)) return false;
        const double next = v + step;
        if (next == v) break;
        v = next;
    }
    return true;
}

}  // namespace plotter
