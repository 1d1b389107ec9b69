#pragma once

#include <cstdint>
#include <vector>

#include "script/Value.h"

namespace script {

enum class Op : std::uint8_t {
    PushConst,   // arg: constant index
    PushGlobal,  // arg: global slot
    PushLocal,   // arg: local slot of the running function
    RefGlobal,   // a bare variable passed to a user function (may bind by reference)
    RefLocal,
    Neg,
    Not,
    Square,  // x^2 fused: exact product instead of the power function
    Pow,
    Mul,
    Div,
    IntDiv,
    Mod,
    Add,
    Sub,
    Concat,
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
    CallBuiltin,  // arg: builtin id, argc: argument count
    CallUser,     // arg: function index, argc: argument count
    Fail,         // arg: error number raised when reached
};

struct Instr {
    Op op;
    std::uint8_t argc = 0;
    std::int32_t arg = 0;
};

// Straight-line code of one expression in postfix order.
struct Program {
    std::vector<Instr> code;
    std::vector<Value> consts;
    int maxDepth = 0;
};

inline bool isBinary(Op op) {
    return op >= Op::Pow && op <= Op::Imp;
}

}  // namespace script
