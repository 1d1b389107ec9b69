// SPDX-License-Identifier: GPL-3.0-or-later
#include "script/Operators.h"

#include <cmath>
#include <string>

#include "script/Convert.h"
#include "script/CpuFeatures.h"
#include "vbrt/NumberReading.h"
#include "vbrt/RuntimeError.h"

namespace script {

namespace {

bool isText(const Value& v) {
    return v.kind == Kind::String;
}

// Three-way compare: numbers by value, texts by character code, and a number is always
// smaller than a text. Empty is 0 against a number and "" against a text.
int compare(const Value& a, const Value& b, int& out) {
    bool ta = isText(a), tb = isText(b);
    if (ta && tb) {
        int c = a.str().compare(b.str());
        out = c < 0 ? -1 : c > 0;
        return 0;
    }
    if (ta || tb) {
        const Value& other = ta ? b : a;
        if (other.kind == Kind::Empty) {
            int c = ta ? (a.str().empty() ? 0 : 1) : (b.str().empty() ? 0 : -1);
            out = c;
            return 0;
        }
        out = ta ? 1 : -1;
        return 0;
    }
    double x = 0, y = 0;
    toDouble(a, x);
    toDouble(b, y);
    out = x < y ? -1 : x > y;
    return 0;
}

int comparison(Op op, const Value& a, const Value& b, Value& out) {
    int c = 0;
    if (int e = compare(a, b, c)) return e;
    bool r = false;
    switch (op) {
        case Op::Eq:
            r = c == 0;
            break;
        case Op::Ne:
            r = c != 0;
            break;
        case Op::Lt:
            r = c < 0;
            break;
        case Op::Gt:
            r = c > 0;
            break;
        case Op::Le:
            r = c <= 0;
            break;
        case Op::Ge:
            r = c >= 0;
            break;
        // Not comparisons: binaryOp sends none of them here.
        SCRIPT_ARITHMETIC_CASES:
        SCRIPT_LOGICAL_CASES:
        SCRIPT_NON_BINARY_CASES:
            return vbrt::kTypeMismatch;
    }
    out = Value::boolean(r);
    return 0;
}

std::int32_t bitwise(Op op, std::int32_t x, std::int32_t y) {
    switch (op) {
        case Op::And:
            return x & y;
        case Op::Or:
            return x | y;
        case Op::Xor:
            return x ^ y;
        case Op::Eqv:
            return ~(x ^ y);
        case Op::Imp:
            return ~x | y;
        // Not logical operators: logical() is called for none of them.
        SCRIPT_ARITHMETIC_CASES:
        SCRIPT_COMPARISON_CASES:
        SCRIPT_NON_BINARY_CASES:
            break;
    }
    return 0;
}

// An operand of Not/And/Or/Xor/Eqv/Imp: a text that is no number but "True"/"False" (any
// case) stands for that Boolean, as the platform reads it; anything else is left as it is.
Value logicalOperand(const Value& v) {
    bool b = false;
    if (isText(v) && !vbrt::IsNumeric(v.str()) && toBoolean(v, b) == 0) return Value::boolean(b);
    return v;
}

int logical(Op op, const Value& left, const Value& right, Value& out) {
    const Value a = logicalOperand(left), b = logicalOperand(right);
    if (a.kind == Kind::Boolean && b.kind == Kind::Boolean) {
        out = Value::boolean(bitwise(op, a.i, b.i) != 0);
        return 0;
    }
    std::int32_t x = 0, y = 0;
    if (int e = toLong(a, x)) return e;
    if (int e = toLong(b, y)) return e;
    std::int32_t r = bitwise(op, x, y);
    bool small = isSmallWhole(a.kind) && isSmallWhole(b.kind);
    out = small ? Value::integer(r) : Value::longValue(r);
    return 0;
}

int wholeDivision(Op op, const Value& a, const Value& b, Value& out) {
    std::int32_t x = 0, y = 0;
    if (int e = toLong(a, x)) return e;
    if (int e = toLong(b, y)) return e;
    if (y == 0) return vbrt::kDivisionByZero;
    std::int64_t r = 0;
    if (op == Op::IntDiv) {
        r = static_cast<std::int64_t>(x) / y;
    } else {
        r = (y == -1) ? 0 : x % y;
    }
    bool small = isSmallWhole(a.kind) && isSmallWhole(b.kind);
    if (!small && (r < INT32_MIN || r > INT32_MAX)) return vbrt::kOverflow;
    out = wholeResult(r, small);
    return 0;
}

// + - * on two numbers: whole kinds stay whole (promoting on overflow), else Double.
int arithmetic(Op op, const Value& a, const Value& b, Value& out) {
    if (isWhole(a.kind) && isWhole(b.kind)) {
        std::int64_t x = a.i, y = b.i;
        std::int64_t r = op == Op::Add ? x + y : op == Op::Sub ? x - y : x * y;
        out = wholeResult(r, isSmallWhole(a.kind) && isSmallWhole(b.kind));
        return 0;
    }
    double x = 0, y = 0;
    if (int e = toDouble(a, x)) return e;
    if (int e = toDouble(b, y)) return e;
    double r = op == Op::Add ? x + y : op == Op::Sub ? x - y : x * y;
    return doubleResult(r, out);
}

int add(const Value& a, const Value& b, Value& out) {
    if (isText(a) || isText(b)) {
        if (isText(a) && isText(b)) {
            out = Value::text(a.str() + b.str());
            return 0;
        }
        if (a.kind == Kind::Empty || b.kind == Kind::Empty) {
            out = isText(a) ? a : b;
            return 0;
        }
    }
    return arithmetic(Op::Add, a, b, out);
}

}  // namespace

// a^n for a small whole n, correctly rounded: the product is carried as a double-double
// (hi + lo, the low part from the exact error of each product) and rounded once, where the
// power function may be off by one unit in the last place and repeated multiplication by
// several. The product's error comes from a fused multiply-add where the processor has
// one, else from Dekker's exact product.
namespace {

FUNCURVE_TARGET_FMA double wholePowerFused(double a, int n) {
    return wholePowerByFma(a, n);
}

// Splits x into two halves whose products are exact (Veltkamp).
void split(double x, double& high, double& low) {
    const double c = 134217729.0 * x;  // 2^27 + 1
    high = c - (c - x);
    low = x - high;
}

// The double-double product a^n from Dekker's exact products.
void wholePowerSum(double a, int n, double& hi, double& lo) {
    double ah, al;
    split(a, ah, al);
    hi = a;
    lo = 0;
    for (int k = 1; k < n; ++k) {
        double p = hi * a;
        double hh, hl;
        split(hi, hh, hl);
        double error = ((hh * ah - p) + hh * al + hl * ah) + hl * al;
        lo = lo * a + error;
        hi = p;
    }
}

}  // namespace

double wholePowerPortable(double a, int n) {
    double hi, lo;
    wholePowerSum(a, n, hi, lo);
    return checkedWholePower(a, n, hi, lo);
}

// The mantissa's power is taken alone, where nothing over- or underflows, and rounded once
// after the exponent is put back: to 53 bits for a normal result, else to the fixed grid of
// the subnormal Doubles, 2^-1074 apart.
double wholePowerAtRangeEnds(double a, int n) {
    if (a == 0 || !std::isfinite(a)) return std::pow(a, n);
    int exponent = 0;
    double hi, lo;
    wholePowerSum(std::frexp(a, &exponent), n, hi, lo);
    const double sum = hi + lo;
    lo -= sum - hi;  // hi + lo unchanged, hi now rounded once
    hi = sum;
    const int scale = exponent * n;  // a^n = (hi + lo) * 2^scale, 2^-16 <= |hi| <= 1
    if (std::ilogb(hi) + scale >= -1022) return std::ldexp(hi, scale);  // exact or infinite
    const int shift = 1074 + scale;
    if (shift < -60) return std::copysign(0.0, hi);  // far below half the smallest step
    const double steps = std::ldexp(hi, shift);      // exact: a normal Double
    double whole = std::nearbyint(steps);
    // A tie in hi alone is decided by lo.
    if (steps - whole == 0.5 && lo > 0) whole += 1;
    if (steps - whole == -0.5 && lo < 0) whole -= 1;
    return std::ldexp(whole, -1074);
}

namespace {
const bool kHasFma = ProcessorHasFma();
}  // namespace

bool hasFusedMultiplyAdd() {
    return kHasFma;
}

double wholePower(double a, int n) {
    return kHasFma ? wholePowerFused(a, n) : wholePowerPortable(a, n);
}

int binaryOp(Op op, const Value& a, const Value& b, Value& out) {
    switch (familyOf(op)) {
        case Family::Sum:
            return op == Op::Add ? add(a, b, out) : arithmetic(op, a, b, out);
        case Family::Real: {
            double x = 0, y = 0, r = 0;
            if (int e = toDouble(a, x)) return e;
            if (int e = toDouble(b, y)) return e;
            if (int e = op == Op::Div ? divide(x, y, r) : power(x, y, r)) return e;
            out = Value::number(r);
            return 0;
        }
        case Family::Whole:
            return wholeDivision(op, a, b, out);
        case Family::Concat:
            out = Value::text(toText(a) + toText(b));
            return 0;
        case Family::Compare:
            return comparison(op, a, b, out);
        case Family::Logic:
            return logical(op, a, b, out);
        case Family::None:
            break;
    }
    return vbrt::kSyntaxError;
}

int negate(const Value& a, Value& out) {
    if (isWhole(a.kind)) {
        out = wholeResult(-static_cast<std::int64_t>(a.i), isSmallWhole(a.kind));
        return 0;
    }
    double x = 0;
    if (int e = toDouble(a, x)) return e;
    out = Value::number(-x);
    return 0;
}

int logicalNot(const Value& operand, Value& out) {
    const Value a = logicalOperand(operand);
    if (a.kind == Kind::Boolean) {
        out = Value::boolean(a.i == 0);
        return 0;
    }
    std::int32_t x = 0;
    if (int e = toLong(a, x)) return e;
    out = isSmallWhole(a.kind) ? Value::integer(~x) : Value::longValue(~x);
    return 0;
}

// Same as power(x, 2).
int square(const Value& a, Value& out) {
    double x = 0;
    if (int e = toDouble(a, x)) return e;
    return doubleResult(x * x, out);
}

}  // namespace script
