#include "vbrt/Rounding.h"

#include <cfloat>
#include <cmath>

#include "vbrt/RuntimeError.h"

namespace vbrt {

double RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff > 0.5) return floor + 1;
    if (diff < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

std::int32_t ToLong(double value) {
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) throw RuntimeError(kOverflow);
    return static_cast<std::int32_t>(rounded);
}

std::int16_t ToInteger(double value) {
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) throw RuntimeError(kOverflow);
    return static_cast<std::int16_t>(rounded);
}

float ToSingle(double value) {
    // Values up to half a unit beyond FLT_MAX still round to FLT_MAX.
    constexpr double kLimit = 3.4028235677973366e38;
    if (!(std::fabs(value) < kLimit)) throw RuntimeError(kOverflow);
    return static_cast<float>(value);
}

}  // namespace vbrt
