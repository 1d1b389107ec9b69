// SPDX-License-Identifier: GPL-3.0-or-later
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

int RoundInto(double value, WholeRange range, std::int32_t& out) {
    const bool integer = range == WholeRange::Integer;
    const double lo = integer ? -32768.0 : -2147483648.0;
    const double hi = integer ? 32767.0 : 2147483647.0;
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= lo && rounded <= hi)) return kOverflow;
    out = static_cast<std::int32_t>(rounded);
    return 0;
}

namespace {

// RoundInto with its error raised.
std::int32_t roundedOrRaise(double value, WholeRange range) {
    std::int32_t out = 0;
    if (const int error = RoundInto(value, range, out)) throw RuntimeError(error);
    return out;
}

}  // namespace

std::int32_t ToLong(double value) {
    return roundedOrRaise(value, WholeRange::Long);
}

std::int16_t ToInteger(double value) {
    return static_cast<std::int16_t>(roundedOrRaise(value, WholeRange::Integer));
}

float ToSingle(double value) {
    // Values up to half a unit beyond FLT_MAX still round to FLT_MAX.
    constexpr double kLimit = 3.4028235677973366e38;
    if (!(std::fabs(value) < kLimit)) throw RuntimeError(kOverflow);
    return static_cast<float>(value);
}

}  // namespace vbrt
