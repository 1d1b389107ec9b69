#pragma once

#include <cstdint>

namespace vbrt {

// Nearest whole number, ties to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double value);

// Round half to even into the 32-bit (Long) or 16-bit (Integer) range; raises overflow (6)
// when the rounded value does not fit, and for NaN.
std::int32_t ToLong(double value);
std::int16_t ToInteger(double value);

// Conversion to single precision; raises overflow (6) beyond the single range or for NaN.
float ToSingle(double value);

}  // namespace vbrt
