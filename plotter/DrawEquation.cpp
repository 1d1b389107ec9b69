// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/EquationCheck.h"
#include "plotter/EquationForm.h"
#include "plotter/EquationPlotters.h"
#include "plotter/Normalize.h"
#include "plotter/PlotCommands.h"
#include "plotter/PlotReport.h"
#include "plotter/PointFile.h"

namespace plotter {

std::string PointFilePath(const PlotContext& ctx) {
    if (ctx.pointFolder.empty()) return ctx.pointFileName;
    if (ctx.pointFolder.back() == '/') return ctx.pointFolder + ctx.pointFileName;
    return ctx.pointFolder + '/' + ctx.pointFileName;
}

// A text that cannot be plotted is refused before anything changes: the point file of the
// last plot stays. Otherwise the old point file goes first, so every plot starts a new one.
// A file that cannot be removed is emptied; if even that fails the plot still runs and its
// records are skipped.
void DrawEquation(PlotContext& ctx) {
    ctx.setDrawEnabled(false);
    const std::string typed = ctx.comboText();
    const TracedText normalized = NormalizeTraced(typed);
    if (const auto problem = CheckEquation(typed, normalized, ctx.engine)) {
        ReportEquationProblem(ctx, typed, *problem);
        ctx.setDrawEnabled(true);
        return;
    }
    DeletePointFile(PointFilePath(ctx));
    ctx.state.pointFileFault.clear();
    ctx.setWorkingText(typed);
    ctx.setWorkingText(normalized.text);
    const std::string& equation = normalized.text;
    if (equation.empty()) {
        ctx.setDrawEnabled(true);
        return;
    }
    switch (ClassifyEquation(equation)) {
        case EquationForm::Parametric:
            return PlotParametric(ctx);
        case EquationForm::Polar:
            return PlotPolar(ctx);
        case EquationForm::ExplicitY:
            return PlotExplicitY(ctx);
        case EquationForm::SquaredY:
            return PlotSquaredY(ctx);
        case EquationForm::General:
            return PlotGeneralEquation(ctx);
    }
}

}  // namespace plotter
