// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "plotter/EquationCheck.h"
#include "plotter/PlotContext.h"
#include "plotter/SampleScript.h"

namespace plotter {

// The message of a plot that set no dot: the equation as typed (cut short when long) and
// the text of its first failure.
std::string EmptyPlotMessage(std::string_view equation, const std::string& failureText);

// After the normal end of a plot, status and legend written: when it set no dot and a
// sample failed, one message box names the first failure; when it set dots but none in the
// view, one says where the canvas is. A plot with dots in view, or one that found no
// solution without a failure, shows nothing.
void ReportEmptyPlot(PlotContext& ctx, const SampleScript& script);

// After the normal end of a plot: when the point file could not take every record (a full
// disk), one message box says so and why, as joining the points would miss some.
void ReportCutPointFile(PlotContext& ctx);

// The message about a problem found before the plot, in the words of the typed text.
std::string EquationProblemMessage(std::string_view typed, const EquationProblem& problem);

// Shows that message, then selects the place in the equation box.
void ReportEquationProblem(PlotContext& ctx, std::string_view typed,
                           const EquationProblem& problem);

}  // namespace plotter
