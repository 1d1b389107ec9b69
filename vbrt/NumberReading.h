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

// The number a text stands for in arithmetic: 0 with `out` set, or the error number (type
// mismatch) when it stands for none. The one rule behind the engine's and the runtime's
// conversions of a text to a number.
int TextToDouble(std::string_view text, double& out);

// The number a whole text stands for, under the rules of IsNumeric; nullopt when it is not
// a number or beyond the double range. Used for strings in arithmetic.
std::optional<double> ParseNumber(std::string_view text);

}  // namespace vbrt
