// SPDX-License-Identifier: GPL-3.0-or-later
// One instruction of the all-numbers form: its work on the operand stack, shared by the
// evaluation loop and the straight-line runners of FastRun.cpp.
#pragma once

#include <cmath>

#include "script/Builtins.h"
#include "script/Fast.h"
#include "script/Operators.h"
#include "vbrt/RuntimeError.h"

namespace script {

// True as -1, False as 0.
inline double fastBoolean(bool b) {
    return b ? -1.0 : 0.0;
}

// The operand stack of a run: values below the top; the top itself lives in `top`.
struct FastStack {
    double* below;
    double top = 0;

    int push(double value) {
        *below++ = top;
        top = value;
        return 0;
    }
    double pop() { return *--below; }
    // The result of an arithmetic step as the new top, or overflow (6) when it is not finite.
    int finite(double r) {
        if (!std::isfinite(r)) return vbrt::kOverflow;
        top = r;
        return 0;
    }
    // fn(a, b, result) as the new top, or its error.
    int checked(int (*fn)(double, double, double&), double a, double b) {
        double r = 0;
        if (int e = fn(a, b, r)) return e;
        top = r;
        return 0;
    }
};

// One instruction's work: 0, else an error number, or -1 when the variable it reads is not
// a Double (the general machine then answers; loads raise no errors, so stopping at one
// never hides an earlier error). End is the runner's own.
template <FastOp kOp, bool kFma = false>
[[gnu::always_inline]] inline int step([[maybe_unused]] const FastInstr& in,
                                       [[maybe_unused]] const Value* globals, FastStack& s) {
    using enum FastOp;
    [[maybe_unused]] double x = 0;
    if constexpr (fastTakes(kOp, FastOperand::Var)) {
        const Value& v = globals[in.variable];
        if (v.kind != Kind::Double) [[unlikely]]
            return -1;
        x = v.d;
    }
    [[maybe_unused]] double& top = s.top;
    if constexpr (kOp == Const) return s.push(in.value);
    if constexpr (kOp == Var) return s.push(x);
    if constexpr (kOp == VarSquare) {
        s.push(0);
        return s.finite(x * x);
    }
    if constexpr (kOp == VarFn) return s.push(in.fn(x));
    if constexpr (kOp == Neg) return top = -top, 0;
    if constexpr (kOp == Not) return top = fastBoolean(top == 0), 0;
    if constexpr (kOp == Square) return s.finite(top * top);
    if constexpr (kOp == Pow) return s.checked(power, s.pop(), top);
    if constexpr (kOp == Mul) return s.finite(s.pop() * top);
    if constexpr (kOp == Div) return s.checked(divide, s.pop(), top);
    if constexpr (kOp == Add) return s.finite(s.pop() + top);
    if constexpr (kOp == Sub) return s.finite(s.pop() - top);
    if constexpr (kOp == Eq) return top = fastBoolean(s.pop() == top), 0;
    if constexpr (kOp == Ne) return top = fastBoolean(s.pop() != top), 0;
    if constexpr (kOp == Lt) return top = fastBoolean(s.pop() < top), 0;
    if constexpr (kOp == Gt) return top = fastBoolean(s.pop() > top), 0;
    if constexpr (kOp == Le) return top = fastBoolean(s.pop() <= top), 0;
    if constexpr (kOp == Ge) return top = fastBoolean(s.pop() >= top), 0;
    if constexpr (kOp == And || kOp == Or || kOp == Xor || kOp == Eqv || kOp == Imp) {
        const bool a = s.pop() != 0, b = top != 0;
        top = fastBoolean(kOp == And   ? a && b
                          : kOp == Or  ? a || b
                          : kOp == Xor ? a != b
                          : kOp == Eqv ? a == b
                                       : !a || b);
        return 0;
    }
    if constexpr (kOp == Abs) return top = std::fabs(top), 0;
    if constexpr (kOp == Fn) return top = in.fn(top), 0;
    if constexpr (kOp == FnFinite) return s.finite(in.fn(top));
    if constexpr (kOp == FnDomain) {
        if (int e = domainError(in.domain, top)) return e;
        return top = in.fn(top), 0;
    }
    if constexpr (kOp == Sqr) {
        if (int e = domainError(in.domain, top)) return e;
        return top = std::sqrt(top), 0;
    }
    if constexpr (kOp == Sgn) return top = top > 0 ? 1.0 : top < 0 ? -1.0 : 0.0, 0;
    if constexpr (kOp == CBool) return top = fastBoolean(top != 0), 0;
    if constexpr (kOp == AddVar) return s.finite(top + x);
    if constexpr (kOp == SubVar) return s.finite(top - x);
    if constexpr (kOp == MulVar) return s.finite(top * x);
    if constexpr (kOp == DivVar) return s.checked(divide, top, x);
    if constexpr (kOp == AddConst) return s.finite(top + in.value);
    if constexpr (kOp == SubConst) return s.finite(top - in.value);
    if constexpr (kOp == MulConst) return s.finite(top * in.value);
    if constexpr (kOp == DivConst) return s.checked(divide, top, in.value);
    if constexpr (kOp == AddVarSquare || kOp == SubVarSquare || kOp == MulVarSquare ||
                  kOp == DivVarSquare) {
        if (!std::isfinite(x * x)) return vbrt::kOverflow;
        x *= x;
    }
    if constexpr (kOp == AddVarFn || kOp == SubVarFn || kOp == MulVarFn || kOp == DivVarFn) {
        x = in.fn(x);
    }
    if constexpr (kOp == AddVarSquare || kOp == AddVarFn) return s.finite(top + x);
    if constexpr (kOp == SubVarSquare || kOp == SubVarFn) return s.finite(top - x);
    if constexpr (kOp == MulVarSquare || kOp == MulVarFn) return s.finite(top * x);
    if constexpr (kOp == DivVarSquare || kOp == DivVarFn) return s.checked(divide, top, x);
    if constexpr (kOp == PowConst) return s.checked(power, top, in.value);
    if constexpr (kOp == PowWholeConst && kFma) return s.finite(wholePowerByFma(top, in.exponent));
    if constexpr (kOp == PowWholeConst && !kFma) return s.finite(wholePower(top, in.exponent));
    // A square or product that overflows leaves a sum or difference that is not finite
    // either (inf * 0 and inf - inf are NaN), so one check covers the whole term.
    if constexpr (kOp == AddConstVarSquare || kOp == SubConstVarSquare) x *= x;
    if constexpr (kOp == AddConstVar || kOp == AddConstVarSquare) {
        return s.finite(top + in.value * x);
    }
    if constexpr (kOp == SubConstVar || kOp == SubConstVarSquare) {
        return s.finite(top - in.value * x);
    }
    if constexpr (kOp == RSubConst) return s.finite(in.value - top);
    if constexpr (kOp == AbsSub) return s.finite(std::fabs(s.pop() - top));
    if constexpr (kOp == AbsSubVar) return s.finite(std::fabs(top - x));
    if constexpr (kOp == AbsRSubConst) return s.finite(std::fabs(in.value - top));
    if constexpr (kOp == RDivConst) return s.checked(divide, in.value, top);
    return 0;
}

}  // namespace script
