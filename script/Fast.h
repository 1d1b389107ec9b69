// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "script/Operators.h"
#include "script/Program.h"
#include "script/Value.h"
#include "vbrt/Variant.h"

namespace script {

// The all-numbers form of an expression: valid while every variable it reads holds a
// Double. Then every intermediate value is a Double, a Boolean (-1/0) or a Sgn result, the
// result kind is known in advance and the code runs on plain doubles.
//
// Every instruction of the all-numbers form, in one list so that the enum and the
// evaluation loop's jump table cannot drift apart. The ...Var, ...Const, ...VarSquare and
// ...VarFn forms take their right operand from a variable, a constant, a squared variable or
// a pure function of a variable instead of the stack; the R forms take a constant left operand.
// Fn applies a built-in that cannot fail on a number (Atn, Cos, Sin, Fix, Int, Round) through
// the built-in table's pointer; VarFn applies it to a variable; FnFinite (Exp, Tan) checks the
// result's range, FnDomain (Log) the argument against the table's domain, kept in `slot`;
// Sqr is the processor's own square root, after the same check.
// PowWholeConst raises to a whole constant from 3 to kMaxWholePower, kept in `slot` too, and
// skips the checks that the exponent makes needless. Add/SubConstVar(Square) add or subtract
// a polynomial's term: the constant times the variable (squared). AbsSub, AbsSubVar and
// AbsRSubConst take the size of a difference, the form every equation is evaluated in.
// End closes every program.
// Each instruction's shape (see Program.h; every fused form is Unary: it replaces the top)
// and whether it calls a function (Call), is inline arithmetic (Inline) or is inline where
// the processor has a fused multiply-add and a call elsewhere (Fused).
// clang-format off
#define SCRIPT_FAST_OPS(X)                                                                   \
    X(Const, Load, Inline) X(Var, Load, Inline) X(VarSquare, Load, Inline)                   \
    X(Neg, Unary, Inline) X(Not, Unary, Inline) X(Square, Unary, Inline)                     \
    X(Pow, Binary, Call) X(Mul, Binary, Inline) X(Div, Binary, Inline)                       \
    X(Add, Binary, Inline) X(Sub, Binary, Inline) X(Eq, Binary, Inline)                      \
    X(Ne, Binary, Inline) X(Lt, Binary, Inline) X(Gt, Binary, Inline) X(Le, Binary, Inline)  \
    X(Ge, Binary, Inline) X(And, Binary, Inline) X(Or, Binary, Inline)                       \
    X(Xor, Binary, Inline) X(Eqv, Binary, Inline) X(Imp, Binary, Inline)                     \
    X(Abs, Unary, Inline) X(Fn, Unary, Call) X(FnFinite, Unary, Call)                        \
    X(FnDomain, Unary, Call) X(VarFn, Load, Call) X(Sgn, Unary, Inline)                      \
    X(CBool, Unary, Inline)                                                                  \
    X(AddVar, Unary, Inline) X(SubVar, Unary, Inline) X(MulVar, Unary, Inline)               \
    X(DivVar, Unary, Inline) X(AddConst, Unary, Inline) X(SubConst, Unary, Inline)           \
    X(MulConst, Unary, Inline) X(DivConst, Unary, Inline)                                    \
    X(AddVarSquare, Unary, Inline) X(SubVarSquare, Unary, Inline)                            \
    X(MulVarSquare, Unary, Inline) X(DivVarSquare, Unary, Inline)                            \
    X(AddVarFn, Unary, Call) X(SubVarFn, Unary, Call) X(MulVarFn, Unary, Call)               \
    X(DivVarFn, Unary, Call) X(PowConst, Unary, Call) X(PowWholeConst, Unary, Fused)          \
    X(RSubConst, Unary, Inline) X(RDivConst, Unary, Inline) X(AddConstVar, Unary, Inline)   \
    X(SubConstVar, Unary, Inline) X(AddConstVarSquare, Unary, Inline)                        \
    X(SubConstVarSquare, Unary, Inline) X(AbsSub, Binary, Inline)                            \
    X(AbsSubVar, Unary, Inline) X(AbsRSubConst, Unary, Inline) X(Sqr, Unary, Inline)         \
    X(End, Unary, Inline)
// clang-format on

enum class FastCost : std::uint8_t { Inline, Call, Fused };
enum class FastOp : std::uint8_t {
#define SCRIPT_FAST_ENUM(name, shape, calls) name,
    SCRIPT_FAST_OPS(SCRIPT_FAST_ENUM)
#undef SCRIPT_FAST_ENUM
};

// Deepest operand stack an all-numbers program may use.
constexpr size_t kFastStack = 32;

struct FastInstr {
    FastOp op;
    std::int32_t slot = 0;
    double value = 0;
    double (*fn)(double) = nullptr;
};

// Each instruction's shape and cost, by the list above.
struct FastOpRow {
    const char* name;
    Shape shape;
    FastCost cost;
};
inline constexpr FastOpRow kFastOps[] = {
#define SCRIPT_FAST_ROW(name, shape, cost) {#name, Shape::shape, FastCost::cost},
    SCRIPT_FAST_OPS(SCRIPT_FAST_ROW)
#undef SCRIPT_FAST_ROW
};
inline constexpr int kFastOpCount = static_cast<int>(std::size(kFastOps));
constexpr Shape fastOpShape(FastOp op) {
    return kFastOps[static_cast<int>(op)].shape;
}
// By the names of the list above: a ...Var... form reads a variable, a ...Const... form
// carries a constant.
constexpr bool fastReadsVariable(FastOp op) {
    return std::string_view(kFastOps[static_cast<int>(op)].name).find("Var") !=
           std::string_view::npos;
}
constexpr bool fastCarriesConstant(FastOp op) {
    return std::string_view(kFastOps[static_cast<int>(op)].name).find("Const") !=
           std::string_view::npos;
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

// A readable listing, one instruction a line: its name, then the variable it reads (by the
// name slotNames gives it, else @slot), its constant and the built-in it calls.
std::string listFast(const FastProgram& program, const std::vector<std::string>& slotNames = {});

}  // namespace script
