// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

#include "plotter/TracedText.h"

namespace plotter {

// The functions a textbook writes without brackets (sin x, lg x): the engine's built-ins
// and the logarithms of the sample script.
std::span<const std::string_view> TextbookFunctionNames();

// Textbook notation in the script's syntax, on lower-case ASCII spellings. A function name
// followed by its argument without a bracket takes the following factor, with its power and
// the factors written right after it: sin x^2 -> sin(x^2), sin 2x -> sin(2x),
// 2sin x cos x -> 2sin(x)*cos(x). |…| -> abs(…); √x, √(…) -> sqr; ∛x, ∛(…) -> sp(…,1,3).
// A word that is no name but is made of function names and the one-letter names a plot
// defines is taken apart: sinx -> sin(x), ax -> a*x. Blanks separate words and are dropped;
// everything else passes unchanged, so text in the script's own syntax keeps its meaning.
TracedText RewriteTextbookNotation(const TracedText& text);

}  // namespace plotter
