// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/PlotReport.h"

#include "plotter/PlotCommands.h"
#include "texts/Texts.h"

namespace plotter {
namespace {

// A long equation would stretch the message box past the screen: its start is enough.
std::string Shortened(std::string_view text) {
    constexpr std::size_t kMaxBytes = 120;
    if (text.size() <= kMaxBytes) return std::string(text);
    std::size_t cut = kMaxBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return std::string(text.substr(0, cut)) + "……";
}

}  // namespace

std::string EmptyPlotMessage(std::string_view equation, const std::string& failureText) {
    return texts::Fill(texts::kEmptyPlot, {Shortened(equation), failureText});
}

void ReportEmptyPlot(PlotContext& ctx, const SampleScript& script) {
    if (script.anyDot() || script.firstFailure() == 0 || !ctx.showMessage) return;
    const int number = script.firstFailure();
    const std::string failure = ctx.errorText
                                    ? ctx.errorText(number)
                                    : texts::Fill(texts::kErrorNumber, {std::to_string(number)});
    ctx.showMessage(EmptyPlotMessage(ctx.comboText(), failure));
}

void ReportCutPointFile(PlotContext& ctx) {
    if (ctx.state.pointFileFault.empty() || !ctx.showMessage) return;
    ctx.showMessage(
        texts::Fill(texts::kPointFileCut, {PointFilePath(ctx), ctx.state.pointFileFault}));
}

}  // namespace plotter
