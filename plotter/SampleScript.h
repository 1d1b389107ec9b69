// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "canvas/Canvas.h"
#include "plotter/PlotContext.h"
#include "script/ScriptEngine.h"

namespace plotter {

// The per-sample conversation of a plotter with the script engine: each assignment is its
// own AddCode of "name=" and the default number text, then the equation is evaluated. The
// constants e and p never change during a plot, so they are assigned once, at its start.
// Nothing throws: a failing step leaves an error pending, as under "resume next", until the
// plotter clears it for the next sample. What the end of the plot reports is kept for the
// whole plot: the first failure and whether any dot was set.
// The functions every plot offers its equation: sp, and lg and ln with Log's domain errors.
// Defining them again always succeeds.
void AddSampleFunctions(script::ScriptEngine& engine);

class SampleScript {
  public:
    // Adds the sample functions (AddSampleFunctions) to the window's engine and assigns e, p,
    // and a and b of the parameter boxes, which stay the same for the whole plot.
    explicit SampleScript(const PlotContext& ctx);
    // The sample functions, then AddCode "e= 2.71828" and "p= 3.1415926", for an engine of
    // its own (a and b read as Empty).
    explicit SampleScript(script::ScriptEngine& engine);

    // AddCode prefix + the default number text of value, prefix like "x=".
    void assign(std::string_view prefix, double value);
    // AddCode prefix + a number text made already.
    void assignText(std::string_view prefix, std::string_view numberText);
    // AddCode of an assignment read before (the scan's texts that repeat).
    void assignParsed(const script::ParsedCode& code);
    // Eval of the expression, the raw result.
    script::EvalResult eval(std::string_view expression);
    // Eval converted by the ordinary numeric conversion; nullopt when either fails.
    std::optional<double> evalNumber(std::string_view expression);

    // A blue dot at (x, y); a dot beyond the single range is an overflow of this sample.
    bool plotPoint(canvas::Canvas& picture, double x, double y, QRgb colour);

    // Skips the rest of this sample without a failure: it has no real value (a root of a
    // negative), which is no solution there rather than an error.
    void skipSample() { errorPending_ = true; }
    bool errorPending() const { return errorPending_; }
    void clearError() { errorPending_ = false; }

    // The platform's number of the first failure of the plot (0: none yet), whether the
    // plot has set a dot, and whether one of them lay in the view.
    int firstFailure() const { return firstFailure_; }
    bool anyDot() const { return anyDot_; }
    bool anyShownDot() const { return anyShownDot_; }

  private:
    void addCode(std::string_view source);
    void fail(int number);

    script::ScriptEngine& engine_;
    std::string statement_;
    bool errorPending_ = false;
    int firstFailure_ = 0;
    bool anyDot_ = false;
    bool anyShownDot_ = false;
};

}  // namespace plotter
