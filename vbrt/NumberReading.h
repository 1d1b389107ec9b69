// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace vbrt {

// Leading-number reading ("Val"): blanks, tabs and line feeds anywhere are ignored; an
// optional sign, digits, '.', an exponent (E or D with optional sign) are taken as far as
// they go; &H / &O read hexadecimal / octal digits (16-bit when up to 4 hex or 6 octal
// digits, else 32-bit, as the platform does). No leading number gives 0.
// 'abc' -> 0, '2x' -> 2, '1 5' -> 15. A value beyond the double range raises overflow (6).
double Val(std::string_view text);

// Whole-text numeric test: surrounding blanks, one optional sign, digits with an optional
// decimal point, an optional exponent, or &H / &O digits. Empty text is not a number.
bool IsNumeric(std::string_view text);

// The number a whole text stands for in arithmetic, under the rules of IsNumeric: 0 with
// `out` set, kOverflow for a number beyond the double range ("1e400"), kTypeMismatch for a
// text that is no number. The one rule behind the engine's and the runtime's conversions.
int TextToDouble(std::string_view text, double& out);

// The same as an optional: nullopt when the text is no number or beyond the double range.
std::optional<double> ParseNumber(std::string_view text);

}  // namespace vbrt
