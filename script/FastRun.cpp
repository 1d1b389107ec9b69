// The evaluation loop of the all-numbers form. It dispatches with a jump table of label
// addresses (a GNU extension that g++ and clang both provide): one indirect jump per
// instruction and no bounds check.
#include <cmath>

#include "script/Builtins.h"
#include "script/Fast.h"
#include "script/Operators.h"
#include "vbrt/RuntimeError.h"

namespace script {

namespace {

double boolValue(bool b) {
    return b ? -1.0 : 0.0;
}

}  // namespace

// The result of an arithmetic step, or overflow (6) when it is not finite.
#define FAST_FINITE(expr)                               \
    do {                                                \
        double r_ = (expr);                             \
        if (!std::isfinite(r_)) return vbrt::kOverflow; \
        top = r_;                                       \
    } while (0)
// fn(a, b, result) with a result variable of its own, so that `top` stays in a register.
#define FAST_CHECKED(fn, a, b)                    \
    do {                                          \
        double r_ = 0;                            \
        if (int e_ = fn((a), (b), r_)) return e_; \
        top = r_;                                 \
    } while (0)
// A variable's number; a variable of any other kind sends the request to the general
// machine. Loads raise no errors, so stopping at one never hides an earlier error.
#define FAST_LOAD(into)                           \
    do {                                          \
        const Value& v_ = globals[ip->slot];      \
        if (v_.kind != Kind::Double) [[unlikely]] \
            return -1;                            \
        into = v_.d;                              \
    } while (0)
#define FAST_NEXT goto* kLabels[static_cast<int>((++ip)->op)]
#define FAST_PUSH(value) \
    do {                 \
        *sp++ = top;     \
        top = (value);   \
    } while (0)
// An instruction that calls a function: absent from the leaf build (see runLoop), where
// reaching it anyway hands the request to the general machine.
#define FAST_CALLING(...)      \
    do {                       \
        if constexpr (kLeaf) { \
            return -1;         \
        } else {               \
            __VA_ARGS__;       \
            FAST_NEXT;         \
        }                      \
    } while (0)
#define FAST_COMPARE(op) top = boolValue(*--sp op top)
#define FAST_LOGIC(expr)                           \
    do {                                           \
        const bool x_ = *--sp != 0, y_ = top != 0; \
        top = boolValue(expr);                     \
    } while (0)

// The loop, in two builds: kLeaf leaves out every instruction that calls a function, so
// that the common short programs run without saving and restoring registers. Should such an
// instruction reach the leaf build anyway, it hands the request to the general machine.
template <bool kLeaf>
int runLoop(const FastProgram& program, const Value* globals, double& out) {
    static const void* const kLabels[] = {
#define SCRIPT_FAST_LABEL(name, shape, calls) &&op_##name,
        SCRIPT_FAST_OPS(SCRIPT_FAST_LABEL)
#undef SCRIPT_FAST_LABEL
    };
    double stack[kFastStack + 1];
    double* sp = stack;  // values below the top; the top itself lives in `top`
    double top = 0;
    double x = 0;
    const FastInstr* ip = program.code.data();
    goto* kLabels[static_cast<int>(ip->op)];

op_Const:
    FAST_PUSH(ip->value);
    FAST_NEXT;
op_Var:
    FAST_LOAD(x);
    FAST_PUSH(x);
    FAST_NEXT;
op_VarSquare:
    FAST_LOAD(x);
    *sp++ = top;
    FAST_FINITE(x * x);
    FAST_NEXT;
op_Neg:
    top = -top;
    FAST_NEXT;
op_Not:
    top = boolValue(top == 0);
    FAST_NEXT;
op_Square:
    FAST_FINITE(top * top);
    FAST_NEXT;
op_Pow:
    FAST_CALLING(x = *--sp; FAST_CHECKED(power, x, top));
op_Mul:
    FAST_FINITE(*--sp * top);
    FAST_NEXT;
op_Div:
    x = *--sp;
    FAST_CHECKED(divide, x, top);
    FAST_NEXT;
op_Add:
    FAST_FINITE(*--sp + top);
    FAST_NEXT;
op_Sub:
    FAST_FINITE(*--sp - top);
    FAST_NEXT;
op_Eq:
    FAST_COMPARE(==);
    FAST_NEXT;
op_Ne:
    FAST_COMPARE(!=);
    FAST_NEXT;
op_Lt:
    FAST_COMPARE(<);
    FAST_NEXT;
op_Gt:
    FAST_COMPARE(>);
    FAST_NEXT;
op_Le:
    FAST_COMPARE(<=);
    FAST_NEXT;
op_Ge:
    FAST_COMPARE(>=);
    FAST_NEXT;
op_And:
    FAST_LOGIC(x_ && y_);
    FAST_NEXT;
op_Or:
    FAST_LOGIC(x_ || y_);
    FAST_NEXT;
op_Xor:
    FAST_LOGIC(x_ != y_);
    FAST_NEXT;
op_Eqv:
    FAST_LOGIC(x_ == y_);
    FAST_NEXT;
op_Imp:
    FAST_LOGIC(!x_ || y_);
    FAST_NEXT;
op_Abs:
    top = std::fabs(top);
    FAST_NEXT;
op_Fn:
    FAST_CALLING(top = ip->fn(top));
op_VarFn:
    FAST_CALLING(FAST_LOAD(x); FAST_PUSH(ip->fn(x)));
op_FnFinite:
    FAST_CALLING(FAST_FINITE(ip->fn(top)));
op_FnDomain:
    FAST_CALLING(if (int e_ = domainError(static_cast<Domain>(ip->slot), top)) return e_;
                 top = ip->fn(top));
op_Sgn:
    top = top > 0 ? 1.0 : top < 0 ? -1.0 : 0.0;
    FAST_NEXT;
op_CBool:
    top = boolValue(top != 0);
    FAST_NEXT;
op_AddVar:
    FAST_LOAD(x);
    FAST_FINITE(top + x);
    FAST_NEXT;
op_SubVar:
    FAST_LOAD(x);
    FAST_FINITE(top - x);
    FAST_NEXT;
op_MulVar:
    FAST_LOAD(x);
    FAST_FINITE(top * x);
    FAST_NEXT;
op_DivVar:
    FAST_LOAD(x);
    FAST_CHECKED(divide, top, x);
    FAST_NEXT;
op_AddConst:
    FAST_FINITE(top + ip->value);
    FAST_NEXT;
op_SubConst:
    FAST_FINITE(top - ip->value);
    FAST_NEXT;
op_MulConst:
    FAST_FINITE(top * ip->value);
    FAST_NEXT;
op_DivConst:
    FAST_CHECKED(divide, top, ip->value);
    FAST_NEXT;
op_AddVarSquare:
    FAST_LOAD(x);
    if (!std::isfinite(x * x)) return vbrt::kOverflow;
    FAST_FINITE(top + x * x);
    FAST_NEXT;
op_SubVarSquare:
    FAST_LOAD(x);
    if (!std::isfinite(x * x)) return vbrt::kOverflow;
    FAST_FINITE(top - x * x);
    FAST_NEXT;
op_MulVarSquare:
    FAST_LOAD(x);
    if (!std::isfinite(x * x)) return vbrt::kOverflow;
    FAST_FINITE(top * (x * x));
    FAST_NEXT;
op_DivVarSquare:
    FAST_LOAD(x);
    if (!std::isfinite(x * x)) return vbrt::kOverflow;
    FAST_CHECKED(divide, top, x * x);
    FAST_NEXT;
op_AddVarFn:
    FAST_CALLING(FAST_LOAD(x); FAST_FINITE(top + ip->fn(x)));
op_SubVarFn:
    FAST_CALLING(FAST_LOAD(x); FAST_FINITE(top - ip->fn(x)));
op_MulVarFn:
    FAST_CALLING(FAST_LOAD(x); FAST_FINITE(top * ip->fn(x)));
op_DivVarFn:
    FAST_CALLING(FAST_LOAD(x); FAST_CHECKED(divide, top, ip->fn(x)));
op_PowConst:
    FAST_CALLING(FAST_CHECKED(power, top, ip->value));
op_RSubConst:
    FAST_FINITE(ip->value - top);
    FAST_NEXT;
op_RDivConst:
    FAST_CHECKED(divide, ip->value, top);
    FAST_NEXT;
op_End:
    out = top;
    return 0;
}

int runFast(const FastProgram& program, const Value* globals, double& out) {
    return program.leaf ? runLoop<true>(program, globals, out)
                        : runLoop<false>(program, globals, out);
}

#undef FAST_FINITE
#undef FAST_CHECKED
#undef FAST_LOAD
#undef FAST_NEXT
#undef FAST_PUSH
#undef FAST_CALLING
#undef FAST_COMPARE
#undef FAST_LOGIC

}  // namespace script
