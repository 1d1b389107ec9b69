// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

#include "script/Program.h"
#include "script/Value.h"
#include "vbrt/RuntimeError.h"

namespace script {

// VBScript semantics of the operators on any two values. Each returns 0 or an error
// number and never throws; no infinity or NaN is ever stored in `out`.
int binaryOp(Op op, const Value& a, const Value& b, Value& out);
int negate(const Value& a, Value& out);
int logicalNot(const Value& a, Value& out);
int square(const Value& a, Value& out);
// Largest whole exponent computed exactly rounded rather than by the power function.
constexpr int kMaxWholePower = 16;
double wholePower(double a, int n);
// The same without a fused multiply-add (used where the processor has none).
double wholePowerPortable(double a, int n);
// Whether the processor has a fused multiply-add, which wholePower then uses.
bool hasFusedMultiplyAdd();
// a^n where the result lies past the largest Double or below the smallest normal one,
// correctly rounded there too.
double wholePowerAtRangeEnds(double a, int n);

// The double-double sum of a whole power, or the careful route where the sum cannot be
// trusted: a last product that rounds past the largest Double although the power is finite,
// or error terms so small that they lose bits below the smallest normal Double.
inline double checkedWholePower(double a, int n, double hi, double lo) {
    const double sum = hi + lo;
    if (std::isfinite(sum) && std::fabs(sum) >= 0x1p-960) [[likely]]
        return sum;
    return wholePowerAtRangeEnds(a, n);
}

// wholePower where the processor has a fused multiply-add: inline, so that code built for
// such a processor (see FastRun.cpp) runs it without a call.
[[gnu::always_inline]] inline double wholePowerByFma(double a, int n) {
    double hi = a, lo = 0;
    for (int k = 1; k < n; ++k) {
        double p = hi * a;
        lo = lo * a + __builtin_fma(hi, a, -p);
        hi = p;
    }
    return checkedWholePower(a, n, hi, lo);
}

// The power rule shared with the fast path: invalid call (5) for a negative base with a
// fractional exponent or 0 to a negative power, overflow (6) for a non-finite result.
// Whole exponents 2..16 give the correctly rounded power.
inline int power(double a, double b, double& out) {
    if (b >= 2 && b <= kMaxWholePower && b == std::trunc(b)) {
        out = b == 2 ? a * a : wholePower(a, static_cast<int>(b));
    } else {
        if (a < 0 && b != std::trunc(b)) return vbrt::kInvalidCall;
        if (a == 0 && b < 0) return vbrt::kInvalidCall;
        out = std::pow(a, b);
    }
    return std::isfinite(out) ? 0 : vbrt::kOverflow;
}

// Division with its two errors: 0/0 is overflow (6), x/0 division by zero (11).
inline int divide(double a, double b, double& out) {
    if (b == 0) return a == 0 ? vbrt::kOverflow : vbrt::kDivisionByZero;
    out = a / b;
    return std::isfinite(out) ? 0 : vbrt::kOverflow;
}

}  // namespace script
