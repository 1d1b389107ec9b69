// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "plotter/TracedText.h"

namespace plotter {

// What an input method or a word processor types for the ASCII of an equation, in ASCII:
// the full-width forms (vbrt::NarrowText), the school signs ×, ÷, ², ³, π, the
// punctuation of Chinese input methods (…… for ^, 。 for a decimal point between digits,
// 、 for a comma inside brackets, ·, dashes, ≤, ≥, ≠). Everything else is kept byte for
// byte.
TracedText MapTypedSpellings(std::string_view typed);

}  // namespace plotter
