#include <cmath>
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

// Rows whose y texts are kept: every range the boxes allow, about 5 MB at most.
constexpr std::size_t kKeptRows = 1 << 16;

// Number texts of the y values of a column. Every column repeats the same additions from
// the same start, so the texts of the first column serve all later ones. Only the first
// kKeptRows rows are kept, so a very tall scan does not grow the memory; the rows beyond
// make their text anew.
class ColumnTexts {
  public:
    const std::string& text(std::size_t row, double y) {
        if (row >= kKeptRows) return scratch_ = vbrt::NumberToText(y);
        if (row == texts_.size()) texts_.push_back({y, vbrt::NumberToText(y)});
        Entry& entry = texts_[row];
        if (entry.y != y) entry = {y, vbrt::NumberToText(y)};
        return entry.text;
    }

  private:
    struct Entry {
        double y;
        std::string text;
    };
    std::vector<Entry> texts_;
    std::string scratch_;
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
    PointFileWriter points(PointFilePath(ctx));
    ColumnTexts yTexts;

    const double xEnd = RangeValue(ctx, kXTo);
    const bool completed = SweepSteps(RangeValue(ctx, kXFrom), xEnd, kXStep, [&](double x) {
        const std::string xText = vbrt::NumberToText(x);
        const double yEnd = RangeValue(ctx, kYTo);
        std::size_t row = 0;
        return session.sweep(RangeValue(ctx, kYFrom), yEnd, kYStep, [&](double y) {
            const std::string& yText = yTexts.text(row++, y);
            script.assignText("X=", xText);
            script.assignText("Y=", yText);
            script.assignConstants();
            const script::EvalResult value = script.eval(expression);
            if (!script.errorPending() && IsHit(value)) {
                ctx.picture1.setDrawWidth(2);
                if (script.plotPoint(ctx.picture1, x, y) && std::fabs(x) >= kAxisBand &&
                    std::fabs(y) >= kAxisBand) {
                    points.appendTexts(xText, yText);
                }
            }
            script.clearError();
        });
    });
    if (completed) session.finish(XYRangeLegend(ctx), script);
}

}  // namespace plotter
