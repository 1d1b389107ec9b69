// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/PlotReport.h"

#include <cstdio>
#include <cstdlib>

#include "plotter/PlotCommands.h"
#include "texts/Texts.h"
#include "vbrt/NumberText.h"

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

// An edge of a zoomed view has digits nobody needs; six significant ones say where it is.
std::string EdgeText(double edge) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", edge);
    return vbrt::NumberToText(std::strtod(buffer, nullptr));
}

std::string OutOfViewMessage(std::string_view equation, const canvas::View& view) {
    return texts::Fill(texts::kPlotOutOfView,
                       {Shortened(equation), EdgeText(view.left), EdgeText(view.right),
                        EdgeText(view.bottom), EdgeText(view.top)});
}

// Characters (not bytes) before offset, plus one: the place a user counts.
std::size_t CharacterNumber(std::string_view text, std::size_t offset) {
    std::size_t number = 1;
    for (std::size_t k = 0; k < offset && k < text.size(); k += Utf8Length(text, k))
        ++number;
    return number;
}

const char* ProblemText(EquationProblem::Kind kind) {
    switch (kind) {
        case EquationProblem::Kind::Syntax:
            return texts::kSyntaxErrorAt;
        case EquationProblem::Kind::InvalidCharacter:
            return texts::kInvalidCharacterAt;
        case EquationProblem::Kind::MissingBefore:
            return texts::kMissingBefore;
        case EquationProblem::Kind::MissingAfter:
            return texts::kMissingAfter;
        case EquationProblem::Kind::UnknownName:
            break;
    }
    return texts::kUnknownName;
}

}  // namespace

std::string EmptyPlotMessage(std::string_view equation, const std::string& failureText) {
    return texts::Fill(texts::kEmptyPlot, {Shortened(equation), failureText});
}

void ReportEmptyPlot(PlotContext& ctx, const SampleScript& script) {
    if (!ctx.showMessage) return;
    if (script.anyDot()) {
        const canvas::View view = ctx.shownView ? ctx.shownView() : canvas::kStartUpView;
        if (!script.anyShownDot()) ctx.showMessage(OutOfViewMessage(ctx.comboText(), view));
        return;
    }
    const int number = script.firstFailure();
    if (number == 0) return;
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

std::string EquationProblemMessage(std::string_view typed, const EquationProblem& problem) {
    const std::string quoted = Shortened(typed.substr(problem.offset, problem.length));
    if (problem.kind == EquationProblem::Kind::UnknownName)
        return texts::Fill(texts::kUnknownName, {quoted});
    return texts::Fill(
        ProblemText(problem.kind),
        {Shortened(typed), std::to_string(CharacterNumber(typed, problem.offset)), quoted});
}

void ReportEquationProblem(PlotContext& ctx, std::string_view typed,
                           const EquationProblem& problem) {
    if (ctx.showMessage) ctx.showMessage(EquationProblemMessage(typed, problem));
    if (ctx.selectInEquation) ctx.selectInEquation(problem.offset, problem.length);
}

}  // namespace plotter
