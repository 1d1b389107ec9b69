// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/EquationForm.h"
#include "plotter/EquationPlotters.h"
#include "plotter/Normalize.h"
#include "plotter/PlotCommands.h"
#include "plotter/PointFile.h"

namespace plotter {

std::string PointFilePath(const PlotContext& ctx) {
    if (ctx.pointFolder.empty()) return ctx.pointFileName;
    if (ctx.pointFolder.back() == '/') return ctx.pointFolder + ctx.pointFileName;
    return ctx.pointFolder + '/' + ctx.pointFileName;
}

// The old point file goes first, so every plot starts a new one. A file that cannot be
// removed is emptied; if even that fails the plot still runs and its records are skipped.
void DrawEquation(PlotContext& ctx) {
    ctx.setDrawEnabled(false);
    DeletePointFile(PointFilePath(ctx));
    ctx.state.pointFileFault.clear();
    ctx.setWorkingText(ctx.comboText());
    ctx.setWorkingText(NormalizeEquation(ctx.workingText()));
    const std::string equation = ctx.workingText();
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
