// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/EquationCheck.h"

#include <algorithm>
#include <array>
#include <vector>

#include "plotter/EquationForm.h"
#include "plotter/SampleScript.h"
#include "script/ExpressionCheck.h"
#include "vbrt/RuntimeError.h"

namespace plotter {
namespace {

using Kind = EquationProblem::Kind;

// A stretch of the normalised text that the plotter evaluates as one expression.
struct Part {
    std::size_t offset;
    std::size_t length;
};

Part AfterFirstEquals(std::string_view text, std::size_t from, std::size_t to) {
    const std::size_t equals = text.substr(from, to - from).find('=');
    if (equals == std::string_view::npos) return {from, to - from};
    return {from + equals + 1, to - (from + equals + 1)};
}

// What the plotters evaluate: the right sides, both sides of a general equation (its
// difference form parses exactly when both do), or the whole text without "=".
std::vector<Part> EvaluatedParts(std::string_view text, EquationForm form) {
    switch (form) {
        case EquationForm::Parametric: {
            const std::size_t semicolon = text.find(';');
            return {AfterFirstEquals(text, 0, semicolon),
                    AfterFirstEquals(text, semicolon + 1, text.size())};
        }
        case EquationForm::General: {
            const std::size_t equals = text.find('=');
            if (equals == std::string_view::npos) return {{0, text.size()}};
            return {{0, equals}, {equals + 1, text.size() - equals - 1}};
        }
        default:
            return {AfterFirstEquals(text, 0, text.size())};
    }
}

bool DefinedBy(EquationForm form, std::string_view name) {
    static constexpr std::array<std::string_view, 4> kEveryPlot{"a", "b", "e", "p"};
    if (std::find(kEveryPlot.begin(), kEveryPlot.end(), name) != kEveryPlot.end()) return true;
    switch (form) {
        case EquationForm::Parametric:
            return name == "t";
        case EquationForm::Polar:
            return name == "t" || name == "r";
        case EquationForm::ExplicitY:
        case EquationForm::SquaredY:
            return name == "x";
        case EquationForm::General:
            return name == "x" || name == "y";
    }
    return false;
}

// Bytes [from, from + length) of the normalised text as the typed bytes they stem from;
// at least the one character where the stretch starts.
EquationProblem Traced(Kind kind, std::string_view typed, const TracedText& normalized,
                       std::size_t from, std::size_t length) {
    const auto end = static_cast<std::uint32_t>(typed.size());
    const std::size_t start = std::min<std::size_t>(normalized.originAt(from, end), end);
    std::size_t stop = start;
    if (length > 0) {
        const std::size_t last = normalized.originAt(from + length - 1, end);
        if (last < typed.size()) stop = std::max(stop, last + Utf8Length(typed, last));
    }
    if (stop == start && start < typed.size()) stop = start + Utf8Length(typed, start);
    return {kind, start, stop - start};
}

// A part that ends too early: the character after it, or the text's last one.
EquationProblem Unfinished(std::string_view typed, const TracedText& normalized, std::size_t end) {
    if (end < normalized.text.size()) return Traced(Kind::MissingBefore, typed, normalized, end, 1);
    return Traced(Kind::MissingAfter, typed, normalized, end - 1, 1);
}

}  // namespace

std::optional<EquationProblem> CheckEquation(std::string_view typed, const TracedText& normalized,
                                             script::ScriptEngine& engine) {
    const std::string& text = normalized.text;
    if (text.empty()) return std::nullopt;
    const EquationForm form = ClassifyEquation(text);
    std::vector<script::ExpressionCheck> checks;
    for (const Part& part : EvaluatedParts(text, form)) {
        script::ExpressionCheck check =
            script::checkExpression(std::string_view(text).substr(part.offset, part.length));
        const std::size_t at = part.offset + check.offset;
        if (check.error == vbrt::kSyntaxError && check.length == 0)
            return Unfinished(typed, normalized, at);
        if (check.error == vbrt::kSyntaxError)
            return Traced(Kind::Syntax, typed, normalized, at, check.length);
        if (check.error == vbrt::kInvalidCharacter)
            return Traced(Kind::InvalidCharacter, typed, normalized, at, check.length);
        for (script::NameUse& use : check.names)
            use.offset += part.offset;
        checks.push_back(std::move(check));
    }
    AddSampleFunctions(engine);
    for (const script::ExpressionCheck& check : checks) {
        for (const script::NameUse& use : check.names) {
            // A variable called as a function is left to the samples: the name is known.
            if (!DefinedBy(form, use.name) && !engine.IsFunction(use.name))
                return Traced(Kind::UnknownName, typed, normalized, use.offset, use.length);
        }
    }
    return std::nullopt;
}

}  // namespace plotter
