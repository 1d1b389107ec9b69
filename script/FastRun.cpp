// The evaluation loop of the all-numbers form. It dispatches with a jump table of label
// addresses (a GNU extension that g++ and clang both provide): one indirect jump per
// instruction and no bounds check. Configured with FUNCURVE_THREADED_DISPATCH=OFF, the same
// instructions form the cases of a plain switch, for compilers without the extension.
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

void deliver(double& out, Kind, double top) {
    out = top;
}

// The number as a value of the program's result kind.
void deliver(vbrt::Variant& out, Kind kind, double top) {
    switch (kind) {
        case Kind::Boolean:
            out.type = vbrt::VarType::Boolean;
            break;
        case Kind::Integer:
            out.type = vbrt::VarType::Integer;
            break;
        default:
            out.type = vbrt::VarType::Double;
            out.real = top;
            return;
    }
    out.whole = static_cast<std::int32_t>(top);
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
// The dispatch: FAST_BEGIN starts at the first instruction, FAST_CASE(name) marks an
// instruction's code, FAST_NEXT goes on to the next instruction, FAST_FINISH closes the loop.
#if FUNCURVE_THREADED_DISPATCH
#define FAST_BEGIN                                                      \
    static const void* const kLabels[] = {SCRIPT_FAST_OPS(FAST_LABEL)}; \
    goto* kLabels[static_cast<int>(ip->op)];
#define FAST_LABEL(name, shape, calls) &&op_##name,
#define FAST_CASE(name) op_##name
#define FAST_NEXT goto* kLabels[static_cast<int>((++ip)->op)]
#define FAST_FINISH
#else
#define FAST_BEGIN  \
    for (;; ++ip) { \
        switch (ip->op) {
#define FAST_CASE(name) case FastOp::name
#define FAST_NEXT goto next_instruction
#define FAST_FINISH    \
    }                  \
    next_instruction:; \
    }
#endif
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
template <bool kLeaf, typename Out>
int runLoop(const FastProgram& program, const Value* globals, Out& out) {
    double stack[kFastStack + 1];
    double* sp = stack;  // values below the top; the top itself lives in `top`
    double top = 0;
    double x = 0;
    const FastInstr* ip = program.code.data();
    FAST_BEGIN

    FAST_CASE(Const) : FAST_PUSH(ip->value);
    FAST_NEXT;
    FAST_CASE(Var) : FAST_LOAD(x);
    FAST_PUSH(x);
    FAST_NEXT;
    FAST_CASE(VarSquare) : FAST_LOAD(x);
    *sp++ = top;
    FAST_FINITE(x * x);
    FAST_NEXT;
    FAST_CASE(Neg) : top = -top;
    FAST_NEXT;
    FAST_CASE(Not) : top = boolValue(top == 0);
    FAST_NEXT;
    FAST_CASE(Square) : FAST_FINITE(top * top);
    FAST_NEXT;
    FAST_CASE(Pow) : FAST_CALLING(x = *--sp; FAST_CHECKED(power, x, top));
    FAST_CASE(Mul) : FAST_FINITE(*--sp * top);
    FAST_NEXT;
    FAST_CASE(Div) : x = *--sp;
    FAST_CHECKED(divide, x, top);
    FAST_NEXT;
    FAST_CASE(Add) : FAST_FINITE(*--sp + top);
    FAST_NEXT;
    FAST_CASE(Sub) : FAST_FINITE(*--sp - top);
    FAST_NEXT;
    FAST_CASE(Eq) : FAST_COMPARE(==);
    FAST_NEXT;
    FAST_CASE(Ne) : FAST_COMPARE(!=);
    FAST_NEXT;
    FAST_CASE(Lt) : FAST_COMPARE(<);
    FAST_NEXT;
    FAST_CASE(Gt) : FAST_COMPARE(>);
    FAST_NEXT;
    FAST_CASE(Le) : FAST_COMPARE(<=);
    FAST_NEXT;
    FAST_CASE(Ge) : FAST_COMPARE(>=);
    FAST_NEXT;
    FAST_CASE(And) : FAST_LOGIC(x_ && y_);
    FAST_NEXT;
    FAST_CASE(Or) : FAST_LOGIC(x_ || y_);
    FAST_NEXT;
    FAST_CASE(Xor) : FAST_LOGIC(x_ != y_);
    FAST_NEXT;
    FAST_CASE(Eqv) : FAST_LOGIC(x_ == y_);
    FAST_NEXT;
    FAST_CASE(Imp) : FAST_LOGIC(!x_ || y_);
    FAST_NEXT;
    FAST_CASE(Abs) : top = std::fabs(top);
    FAST_NEXT;
    FAST_CASE(Fn) : FAST_CALLING(top = ip->fn(top));
    FAST_CASE(VarFn) : FAST_CALLING(FAST_LOAD(x); FAST_PUSH(ip->fn(x)));
    FAST_CASE(FnFinite) : FAST_CALLING(FAST_FINITE(ip->fn(top)));
    FAST_CASE(FnDomain)
        : FAST_CALLING(if (int e_ = domainError(static_cast<Domain>(ip->slot), top)) return e_;
                       top = ip->fn(top));
    FAST_CASE(Sgn) : top = top > 0 ? 1.0 : top < 0 ? -1.0 : 0.0;
    FAST_NEXT;
    FAST_CASE(CBool) : top = boolValue(top != 0);
    FAST_NEXT;
    FAST_CASE(AddVar) : FAST_LOAD(x);
    FAST_FINITE(top + x);
    FAST_NEXT;
    FAST_CASE(SubVar) : FAST_LOAD(x);
    FAST_FINITE(top - x);
    FAST_NEXT;
    FAST_CASE(MulVar) : FAST_LOAD(x);
    FAST_FINITE(top * x);
    FAST_NEXT;
    FAST_CASE(DivVar) : FAST_LOAD(x);
    FAST_CHECKED(divide, top, x);
    FAST_NEXT;
    FAST_CASE(AddConst) : FAST_FINITE(top + ip->value);
    FAST_NEXT;
    FAST_CASE(SubConst) : FAST_FINITE(top - ip->value);
    FAST_NEXT;
    FAST_CASE(MulConst) : FAST_FINITE(top * ip->value);
    FAST_NEXT;
    FAST_CASE(DivConst) : FAST_CHECKED(divide, top, ip->value);
    FAST_NEXT;
    FAST_CASE(AddVarSquare) : FAST_LOAD(x);
    if (!std::isfinite(x * x)) return vbrt::kOverflow;
    FAST_FINITE(top + x * x);
    FAST_NEXT;
    FAST_CASE(SubVarSquare) : FAST_LOAD(x);
    if (!std::isfinite(x * x)) return vbrt::kOverflow;
    FAST_FINITE(top - x * x);
    FAST_NEXT;
    FAST_CASE(MulVarSquare) : FAST_LOAD(x);
    if (!std::isfinite(x * x)) return vbrt::kOverflow;
    FAST_FINITE(top * (x * x));
    FAST_NEXT;
    FAST_CASE(DivVarSquare) : FAST_LOAD(x);
    if (!std::isfinite(x * x)) return vbrt::kOverflow;
    FAST_CHECKED(divide, top, x * x);
    FAST_NEXT;
    FAST_CASE(AddVarFn) : FAST_CALLING(FAST_LOAD(x); FAST_FINITE(top + ip->fn(x)));
    FAST_CASE(SubVarFn) : FAST_CALLING(FAST_LOAD(x); FAST_FINITE(top - ip->fn(x)));
    FAST_CASE(MulVarFn) : FAST_CALLING(FAST_LOAD(x); FAST_FINITE(top * ip->fn(x)));
    FAST_CASE(DivVarFn) : FAST_CALLING(FAST_LOAD(x); FAST_CHECKED(divide, top, ip->fn(x)));
    FAST_CASE(PowConst) : FAST_CALLING(FAST_CHECKED(power, top, ip->value));
    FAST_CASE(PowWholeConst) : FAST_CALLING(FAST_FINITE(wholePower(top, ip->slot)));
    FAST_CASE(RSubConst) : FAST_FINITE(ip->value - top);
    FAST_NEXT;
    FAST_CASE(RDivConst) : FAST_CHECKED(divide, ip->value, top);
    FAST_NEXT;
    FAST_CASE(End) : deliver(out, program.result, top);
    return 0;
    FAST_FINISH
}

FastRunner fastRunner(bool leaf) {
    return leaf ? &runLoop<true, vbrt::Variant> : &runLoop<false, vbrt::Variant>;
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
#undef FAST_BEGIN
#undef FAST_LABEL
#undef FAST_CASE
#undef FAST_FINISH

}  // namespace script
