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
    Func,  // one-argument built-in on a double (fn: builtin id)
    Sgn,
    CBool,
    // Fused forms: the right operand is a variable or a constant instead of the stack top.
    AddVar,
    SubVar,
    MulVar,
    DivVar,
    AddConst,
    SubConst,
    MulConst,
    DivConst,
    VarSquare,
};

struct FastInstr {
    FastOp op;
    std::uint8_t fn = 0;
    std::int32_t slot = 0;
    double value = 0;
};

struct FastProgram {
    std::vector<FastInstr> code;
    std::vector<std::int32_t> slots;  // the global slots read (each must hold a Double)
    Kind result = Kind::Double;
};

// Builds the all-numbers form; false when the expression needs the general machine.
bool buildFast(const Program& program, FastProgram& out);
// Runs it when every variable it reads is a Double; returns -1 when that does not hold
// (use the general machine), else 0 or an error number.
int runFast(const FastProgram& program, const Value* globals, Value& out);

}  // namespace script
