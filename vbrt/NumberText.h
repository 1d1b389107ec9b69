// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vbrt {

// Default double-to-text conversion: up to 15 significant digits, '.' and '-', no leading
// blank; fixed notation for 0.0001 <= |v| < 1E15, else exponent form like 1.5E-05 or 1E+15.
// Zero (also negative zero) is "0". Non-finite values never reach here from the engine;
// they are written as "0" rather than crash.
std::string NumberToText(double value);

// Print form of a number item: one leading blank when not negative, one trailing blank,
// no zero before the decimal point: " 2 ", "-1.5 ", " .5 ", "-.25 ".
std::string PrintForm(double value);

// The read-out format "0.00": at least one digit before the point, exactly two after it,
// rounded half away from zero on the decimal text. A value that rounds to zero shows "0.00".
std::string FormatFixed2(double value);

// Shortest decimal text that reads back as the same single-precision number.
std::string SingleToText(float value);

}  // namespace vbrt
