// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the equation text on its way to the plotters: normalisation with the
// textbook notation (deep bars and roots, huge and binary text alike),
// classification and the rewrite into a difference. Any bytes, UTF-8 or not, must come
// through without a crash, and the pieces must keep the promises the draw command relies on.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "plotter/EquationForm.h"
#include "plotter/Normalize.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string normalized = plotter::NormalizeEquation(text);
    require(normalized.find(' ') == std::string::npos);
    require(plotter::NormalizeTraced(text).origin.size() == normalized.size());
    plotter::ClassifyEquation(normalized);

    const std::string_view right = plotter::TextAfterFirstEquals(normalized);
    require(normalized.ends_with(right));

    const std::string difference = plotter::EquationToDifference(normalized);
    if (normalized.find('=') == std::string::npos) require(difference == normalized);
    return 0;
}
