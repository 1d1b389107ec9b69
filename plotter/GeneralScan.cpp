// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "plotter/EquationPlotters.h"
#include "plotter/Normalize.h"
#include "plotter/PlotCommands.h"
#include "plotter/PlotSession.h"
#include "plotter/PointFile.h"
#include "plotter/RangeBoxes.h"
#include "plotter/SampleScript.h"
#include "vbrt/NumberText.h"
#include "vbrt/Variant.h"

namespace plotter {
namespace {

constexpr double kXStep = 0.04;
constexpr double kYStep = 0.03;
constexpr double kHitLimit = 0.03;

// A hit is a numeric value (truth values count as -1 or 0) of at most 0.03; a text result
// never hits.
bool IsHit(const script::EvalResult& result) {
    if (result.value.type == vbrt::VarType::String) return false;
    double value = 0;
    return vbrt::ToDouble(result.value, value) == 0 && value <= kHitLimit;
}

// Rows whose y texts are kept: every range the boxes allow, about 10 MB at most.
constexpr std::size_t kKeptRows = 1 << 16;

// The y of one row and its assignment "Y=" + number text, read once.
struct RowText {
    explicit RowText(double value) : y(value), code("Y=" + vbrt::NumberToText(value)) {}
    std::string_view text() const { return std::string_view(code.text()).substr(2); }
    double y;
    script::ParsedCode code;
};

// The y texts of a column. Every column repeats the same additions from the same start, so
// the texts of the first column serve all later ones. Only the first kKeptRows rows are
// kept, so a very tall scan does not grow the memory; the rows beyond make theirs anew.
class ColumnTexts {
  public:
    const RowText& row(std::size_t index, double y) {
        if (index >= kKeptRows) return scratch_.emplace(y);
        if (index == rows_.size()) rows_.emplace_back(y);
        RowText& kept = rows_[index];
        if (kept.y != y) kept = RowText(y);
        return kept;
    }

  private:
    std::vector<RowText> rows_;
    std::optional<RowText> scratch_;
};

}  // namespace

// Column by column with growing x, within a column growing y. The working box is read
// once: while this plot runs only a new draw could change it, and that needs a cancel
// first, which ends this plot for good.
void PlotGeneralEquation(PlotContext& ctx) {
    PlotSession session(ctx);
    ctx.setWorkingText(EquationToDifference(ctx.workingText()));
    SampleScript script(ctx);
    const std::string expression = ctx.workingText();
    PointFileWriter points(PointFilePath(ctx), &ctx.state.pointFileFault, &ctx.state.openPointFiles,
                           ctx.pointFileBlock);
    ColumnTexts yTexts;

    const double xEnd = RangeValue(ctx, kXTo);
    const bool completed = SweepSteps(RangeValue(ctx, kXFrom), xEnd, kXStep, [&](double x) {
        const std::string xText = vbrt::NumberToText(x);
        const script::ParsedCode xCode("X=" + xText);
        const double yEnd = RangeValue(ctx, kYTo);
        std::size_t index = 0;
        return session.sweep(RangeValue(ctx, kYFrom), yEnd, kYStep, [&](double y) {
            const RowText& row = yTexts.row(index++, y);
            script.assignParsed(xCode);
            script.assignParsed(row.code);
            const script::EvalResult value = script.eval(expression);
            if (!script.errorPending() && IsHit(value)) {
                ctx.picture1.setDrawWidth(2);
                if (script.plotPoint(ctx.picture1, x, y, ctx.curveColour) &&
                    std::fabs(x) >= kAxisBand && std::fabs(y) >= kAxisBand) {
                    points.appendTexts(xText, row.text());
                }
            }
            script.clearError();
        });
    });
    if (completed) session.finish(XYRangeLegend(ctx), script);
}

}  // namespace plotter
