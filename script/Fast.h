// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "script/Builtins.h"
#include "script/Operators.h"
#include "script/Program.h"
#include "script/Value.h"
#include "vbrt/Variant.h"

namespace script {

// The all-numbers form of an expression: valid while every variable it reads holds a
// Double. Then every intermediate value is a Double, a Boolean (-1/0) or a Sgn result, the
// result kind is known in advance and the code runs on plain doubles.
//
// Every instruction of the all-numbers form, in one list so that the enum and the evaluation
// loop's jump table cannot drift apart. Its columns: the shape (see Program.h; every fused
// form is Unary, it replaces the top), whether it calls a function (Call), is inline
// arithmetic (Inline) or is inline where the processor has a fused multiply-add and a call
// elsewhere (Fused), and which fields of FastInstr it takes besides the stack (FastOperand).
// "top" is the stack's top, "below" the value under it; a binary form pops below.
// clang-format off
#define SCRIPT_FAST_OPS(X)                                                                     \
    X(Const, Load, Inline, Const)                     /* push the constant */                      \
    X(Var, Load, Inline, Var)                         /* push the variable */                      \
    X(VarSquare, Load, Inline, Var)                   /* push the variable squared */              \
    X(Neg, Unary, Inline, None)                       /* -top */                                   \
    X(Not, Unary, Inline, None)                       /* Not top, as a truth value */              \
    X(Square, Unary, Inline, None)                    /* top^2 */                                  \
    X(Pow, Binary, Call, None)                        /* below^top by the power rule */            \
    X(Mul, Binary, Inline, None)                      /* below*top */                              \
    X(Div, Binary, Inline, None)                      /* below/top, with the division errors */    \
    X(Add, Binary, Inline, None)                      /* below+top */                              \
    X(Sub, Binary, Inline, None)                      /* below-top */                              \
    X(Eq, Binary, Inline, None)                       /* below=top as -1/0 */                      \
    X(Ne, Binary, Inline, None)                       /* below<>top as -1/0 */                     \
    X(Lt, Binary, Inline, None)                       /* below<top as -1/0 */                      \
    X(Gt, Binary, Inline, None)                       /* below>top as -1/0 */                      \
    X(Le, Binary, Inline, None)                       /* below<=top as -1/0 */                     \
    X(Ge, Binary, Inline, None)                       /* below>=top as -1/0 */                     \
    X(And, Binary, Inline, None)                      /* below And top, both truth values */       \
    X(Or, Binary, Inline, None)                       /* below Or top, both truth values */        \
    X(Xor, Binary, Inline, None)                      /* below Xor top, both truth values */       \
    X(Eqv, Binary, Inline, None)                      /* below Eqv top, both truth values */       \
    X(Imp, Binary, Inline, None)                      /* below Imp top, both truth values */       \
    X(Abs, Unary, Inline, None)                       /* |top| */                                  \
    X(Fn, Unary, Call, Fn)                            /* fn(top): Atn Cos Sin Fix Int Round */     \
    X(FnFinite, Unary, Call, Fn)                      /* fn(top), finite or overflow: Exp Tan */   \
    X(FnDomain, Unary, Call, Fn | Domain)             /* fn(top) after the domain check: Log */    \
    X(VarFn, Load, Call, Var | Fn)                    /* push fn(variable), fn as for Fn */        \
    X(Sgn, Unary, Inline, None)                       /* the sign of top: -1, 0 or 1 */            \
    X(CBool, Unary, Inline, None)                     /* top<>0 as -1/0 */                         \
    X(AddVar, Unary, Inline, Var)                     /* top+variable */                           \
    X(SubVar, Unary, Inline, Var)                     /* top-variable */                           \
    X(MulVar, Unary, Inline, Var)                     /* top*variable */                           \
    X(DivVar, Unary, Inline, Var)                     /* top/variable */                           \
    X(AddConst, Unary, Inline, Const)                 /* top+constant */                           \
    X(SubConst, Unary, Inline, Const)                 /* top-constant */                           \
    X(MulConst, Unary, Inline, Const)                 /* top*constant */                           \
    X(DivConst, Unary, Inline, Const)                 /* top/constant */                           \
    X(AddVarSquare, Unary, Inline, Var)               /* top+variable^2 */                         \
    X(SubVarSquare, Unary, Inline, Var)               /* top-variable^2 */                         \
    X(MulVarSquare, Unary, Inline, Var)               /* top*variable^2 */                         \
    X(DivVarSquare, Unary, Inline, Var)               /* top/variable^2 */                         \
    X(AddVarFn, Unary, Call, Var | Fn)                /* top+fn(variable) */                       \
    X(SubVarFn, Unary, Call, Var | Fn)                /* top-fn(variable) */                       \
    X(MulVarFn, Unary, Call, Var | Fn)                /* top*fn(variable) */                       \
    X(DivVarFn, Unary, Call, Var | Fn)                /* top/fn(variable) */                       \
    X(PowConst, Unary, Call, Const)                   /* top^constant by the power rule */         \
    X(PowWholeConst, Unary, Fused, Exponent)          /* top^exponent (3..16), exactly rounded */  \
    X(RSubConst, Unary, Inline, Const)                /* constant-top */                           \
    X(RDivConst, Unary, Inline, Const)                /* constant/top */                           \
    X(AddConstVar, Unary, Inline, Var | Const)        /* top+constant*variable */                  \
    X(SubConstVar, Unary, Inline, Var | Const)        /* top-constant*variable */                  \
    X(AddConstVarSquare, Unary, Inline, Var | Const)  /* top+constant*variable^2 */                \
    X(SubConstVarSquare, Unary, Inline, Var | Const)  /* top-constant*variable^2 */                \
    X(AbsSub, Binary, Inline, None)                   /* |below-top|: an equation's difference */  \
    X(AbsSubVar, Unary, Inline, Var)                  /* |top-variable| */                         \
    X(AbsRSubConst, Unary, Inline, Const)             /* |constant-top| */                         \
    X(Sqr, Unary, Inline, Domain)                     /* sqrt(top) after the domain check */       \
    X(End, Unary, Inline, None)                       /* closes every program: top is the result */
// clang-format on

enum class FastCost : std::uint8_t { Inline, Call, Fused };
// The fields of FastInstr an instruction takes besides the stack, as bits.
enum class FastOperand : std::uint8_t {
    None = 0,
    Var = 1,
    Const = 2,
    Fn = 4,
    Domain = 8,
    Exponent = 16
};
constexpr FastOperand operator|(FastOperand a, FastOperand b) {
    return static_cast<FastOperand>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}
enum class FastOp : std::uint8_t {
#define SCRIPT_FAST_ENUM(name, shape, cost, operands) name,
    SCRIPT_FAST_OPS(SCRIPT_FAST_ENUM)
#undef SCRIPT_FAST_ENUM
};

// Deepest operand stack an all-numbers program may use.
constexpr size_t kFastStack = 32;

// One instruction; each field serves the instructions whose operand column names it.
struct FastInstr {
    FastOp op;
    Domain domain = Domain::Any;     // Domain: the argument a Log or Sqr accepts
    std::uint8_t exponent = 0;       // Exponent: the whole power
    std::int32_t variable = 0;       // Var: the global's slot
    double value = 0;                // Const: the constant
    double (*fn)(double) = nullptr;  // Fn: the built-in's rule on a number
};
// Kept small: a program's instructions are read once per sample.
static_assert(sizeof(FastInstr) <= 24);

// Each instruction's columns, by the list above.
struct FastOpRow {
    const char* name;
    Shape shape;
    FastCost cost;
    FastOperand operands;
};
inline constexpr FastOpRow kFastOps[] = {
#define SCRIPT_FAST_ROW(name, shape, cost, operands) \
    {#name, Shape::shape, FastCost::cost, [] {       \
         using enum FastOperand;                     \
         return FastOperand(operands);               \
     }()},
    SCRIPT_FAST_OPS(SCRIPT_FAST_ROW)
#undef SCRIPT_FAST_ROW
};
inline constexpr int kFastOpCount = static_cast<int>(std::size(kFastOps));
constexpr Shape fastOpShape(FastOp op) {
    return kFastOps[static_cast<int>(op)].shape;
}
// Whether the instruction takes the given field of FastInstr.
constexpr bool fastTakes(FastOp op, FastOperand field) {
    return (static_cast<std::uint8_t>(kFastOps[static_cast<int>(op)].operands) &
            static_cast<std::uint8_t>(field)) != 0;
}

// Values an all-numbers instruction adds to the stack (negative: removes).
int fastStackEffect(FastOp op);
// Whether the instruction calls a function (absent from the leaf builds of runFast): a Fused
// one does so only on a processor without a fused multiply-add (`fma` false).
constexpr bool fastOpCalls(FastOp op, bool fma = false) {
    const FastCost cost = kFastOps[static_cast<int>(op)].cost;
    return cost == FastCost::Call || (cost == FastCost::Fused && !fma);
}
// The instruction's name as in the list above, for listings.
const char* fastOpName(FastOp op);

struct FastProgram;
// How a program runs (see fastRunner), writing the result as the platform's value (see
// runFast for the return value).
using FastRunner = int (*)(const FastProgram& program, const Value* globals, vbrt::Variant& out);

struct FastProgram {
    std::vector<FastInstr> code;
    Kind result = Kind::Double;
    FastRunner run = nullptr;  // runFast's choice for this program, called directly per sample
};

// Builds the all-numbers form; false when the expression needs the general machine.
bool buildFast(const Program& program, FastProgram& out);

// Runs the all-numbers form when every variable it reads is a Double; returns -1 when that
// does not hold (use the general machine), else 0 or an error number. `out` gets the
// number; its kind is program.result.
int runFast(const FastProgram& program, const Value* globals, double& out);
// How runFast runs the program: straight-line code for a load and at most one more
// instruction and for the commonest equations, else the loop build with or without calling
// instructions, for a processor with or without a fused multiply-add (`fma`; see FastRun.cpp).
FastRunner fastRunner(const FastProgram& program, bool fma = hasFusedMultiplyAdd());
// Whether fastRunner gives the program straight-line code.
bool runsStraight(const FastProgram& program);

// A readable listing, one instruction a line: its name, then the built-in it calls, the
// variable it reads (by the name slotNames gives it, else @slot), its constant or exponent.
std::string listFast(const FastProgram& program, const std::vector<std::string>& slotNames = {});

}  // namespace script
