// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the equation text on its way to the plotters: normalisation with the
// textbook notation (deep bars and roots, huge and binary text alike), the check before a
// plot, classification and the rewrite into a difference. Any bytes, UTF-8 or not, must come
// through without a crash, and the pieces must keep the promises the draw command relies on.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "plotter/EquationCheck.h"
#include "plotter/EquationForm.h"
#include "plotter/Normalize.h"
#include "plotter/PlotReport.h"
#include "script/ScriptEngine.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string normalized = plotter::NormalizeEquation(text);
    require(normalized.find(' ') == std::string::npos);
    const plotter::TracedText traced = plotter::NormalizeTraced(text);
    require(traced.origin.size() == normalized.size());
    // The plotters normalise the working text again: it must stay as it is.
    require(plotter::NormalizeEquation(normalized) == normalized);
    plotter::ClassifyEquation(normalized);

    // The check before a plot points into the typed text, never beyond it.
    static script::ScriptEngine engine;
    if (const auto problem = plotter::CheckEquation(text, traced, engine)) {
        require(problem->offset + problem->length <= text.size());
        require(!plotter::EquationProblemMessage(text, *problem).empty());
    }

    const std::string_view right = plotter::TextAfterFirstEquals(normalized);
    require(normalized.ends_with(right));

    const std::string difference = plotter::EquationToDifference(normalized);
    if (normalized.find('=') == std::string::npos) require(difference == normalized);
    return 0;
}
