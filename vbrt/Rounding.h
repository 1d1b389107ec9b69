// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace vbrt {

// Nearest whole number, ties to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double value);

enum class WholeRange { Integer, Long };  // 16 and 32 bits

// Round half to even into the range: 0 with `out` set, or overflow (6) when the rounded
// value does not fit, and for NaN. The rule of every conversion to a whole number.
int RoundInto(double value, WholeRange range, std::int32_t& out);

// The same, raising the overflow.
std::int32_t ToLong(double value);
std::int16_t ToInteger(double value);

// Conversion to single precision; raises overflow (6) beyond the single range or for NaN.
float ToSingle(double value);

}  // namespace vbrt
