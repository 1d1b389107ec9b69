#pragma once

#include <cstdint>
#include <vector>

#include "script/Program.h"
#include "script/Value.h"

namespace script {

// The all-numbers form of an expression: valid while every variable it reads holds a
// Double. Then every intermediate value is a Double, a Boolean (-1/0) or a Sgn result, the
// result kind is known in advance and the code runs on plain doubles.
enum class FastOp : std::uint8_t {
    Const,
    Var,
    VarSquare,
    Neg,
    Not,
    Square,
    Pow,
    Mul,
    Div,
    Add,
    Sub,
    Eq,
    Ne,
    Lt,
    Gt,
    Le,
    Ge,
    And,
    Or,
    Xor,
    Eqv,
    Imp,
    Abs,
    Atn,
    Cos,
    Exp,
    Fix,
    Int,
    Log,
    Round,
    Sin,
    Sqr,
    Tan,
    Sgn,
    CBool,
    // The right operand is a variable, a constant or a squared variable instead of the
    // stack top; R forms take a constant left operand.
    AddVar,
    SubVar,
    MulVar,
    DivVar,
    AddConst,
    SubConst,
    MulConst,
    DivConst,
    AddVarSquare,
    SubVarSquare,
    MulVarSquare,
    DivVarSquare,
    PowConst,
    RSubConst,
    RDivConst,
};

struct FastInstr {
    FastOp op;
    std::int32_t slot = 0;
    double value = 0;
};

struct FastProgram {
    std::vector<FastInstr> code;
    std::vector<std::int32_t> reads;  // the global reads read (each must hold a Double)
    Kind result = Kind::Double;
};

// Builds the all-numbers form; false when the expression needs the general machine.
bool buildFast(const Program& program, FastProgram& out);

// Runs it when every variable it reads is a Double; returns -1 when that does not hold
// (use the general machine), else 0 or an error number. `out` gets the number; the kind is
// program.result.
int runFast(const FastProgram& program, const Value* globals, double& out);

}  // namespace script
