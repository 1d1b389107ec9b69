// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vbrt {

// A typed text as a number or equation reader expects it: the full-width forms of ASCII
// (U+FF01 to U+FF5E, what a Chinese input method types) become their ASCII characters, the
// ideographic space a blank and the minus sign U+2212 '-'. Everything else, including text
// that is not valid UTF-8, is kept byte for byte, so ASCII text comes back unchanged.
std::string NarrowText(std::string_view text);

}  // namespace vbrt
