#pragma once

#include <cstdint>
#include <vector>

#include "script/Program.h"
#include "script/Value.h"

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
// result's range, FnDomain (Log, Sqr) the argument against the table's domain, kept in `slot`.
// End closes every program.
// clang-format off
#define SCRIPT_FAST_OPS(X)                                                                  \
    X(Const) X(Var) X(VarSquare) X(Neg) X(Not) X(Square)                                    \
    X(Pow) X(Mul) X(Div) X(Add) X(Sub) X(Eq) X(Ne) X(Lt) X(Gt) X(Le) X(Ge)                  \
    X(And) X(Or) X(Xor) X(Eqv) X(Imp)                                                       \
    X(Abs) X(Fn) X(FnFinite) X(FnDomain) X(VarFn) X(Sgn) X(CBool)                           \
    X(AddVar) X(SubVar) X(MulVar) X(DivVar) X(AddConst) X(SubConst) X(MulConst) X(DivConst) \
    X(AddVarSquare) X(SubVarSquare) X(MulVarSquare) X(DivVarSquare)                         \
    X(AddVarFn) X(SubVarFn) X(MulVarFn) X(DivVarFn)                                         \
    X(PowConst) X(RSubConst) X(RDivConst) X(End)
// clang-format on

enum class FastOp : std::uint8_t {
#define SCRIPT_FAST_ENUM(name) name,
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

struct FastProgram {
    std::vector<FastInstr> code;
    Kind result = Kind::Double;
    bool leaf = false;  // no instruction calls a function (see runFast)
};

// Builds the all-numbers form; false when the expression needs the general machine.
bool buildFast(const Program& program, FastProgram& out);

// Runs the all-numbers form when every variable it reads is a Double; returns -1 when that
// does not hold (use the general machine), else 0 or an error number. `out` gets the
// number; its kind is program.result.
int runFast(const FastProgram& program, const Value* globals, double& out);

}  // namespace script
