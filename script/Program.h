// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "script/Value.h"

namespace script {

// How an instruction moves the value stack: a load pushes one value, a unary operation
// replaces the top, a binary one replaces the top two by one, a call replaces its argc
// arguments by the result, a failure stops the run (counted as a push, like the value it
// stands for).
enum class Shape : std::uint8_t { Load, Unary, Binary, Call, Fail };

// Which rule of the operators a binary instruction follows: + - * (whole kinds stay whole),
// / and ^ (always Double), \ and Mod (on Longs), &, the comparisons, the logical operators.
enum class Family : std::uint8_t { None, Sum, Real, Whole, Concat, Compare, Logic };

// Every instruction of the general machine with its shape and family, in one list.
//   PushConst arg: constant index    PushGlobal arg: global slot
//   PushLocal arg: local slot of the running function
//   RefGlobal/RefLocal: a bare variable passed to a user function (may bind by reference)
//   Square: x^2 fused, the exact product instead of the power function
//   CallBuiltin arg: built-in id, argc: argument count; CallUser arg: function index
//   Fail arg: the error number raised when reached
// clang-format off
#define SCRIPT_OPS(X)                                                                       \
    X(PushConst, Load, None) X(PushGlobal, Load, None) X(PushLocal, Load, None)             \
    X(RefGlobal, Load, None) X(RefLocal, Load, None)                                        \
    X(Neg, Unary, None) X(Not, Unary, None) X(Square, Unary, None)                          \
    X(Pow, Binary, Real) X(Mul, Binary, Sum) X(Div, Binary, Real) X(IntDiv, Binary, Whole)  \
    X(Mod, Binary, Whole) X(Add, Binary, Sum) X(Sub, Binary, Sum) X(Concat, Binary, Concat) \
    X(Eq, Binary, Compare) X(Ne, Binary, Compare) X(Lt, Binary, Compare)                    \
    X(Gt, Binary, Compare) X(Le, Binary, Compare) X(Ge, Binary, Compare)                    \
    X(And, Binary, Logic) X(Or, Binary, Logic) X(Xor, Binary, Logic) X(Eqv, Binary, Logic)  \
    X(Imp, Binary, Logic)                                                                   \
    X(CallBuiltin, Call, None) X(CallUser, Call, None) X(Fail, Fail, None)
// clang-format on

// Case labels of every instruction that is no binary operator, for the switches over one
// family of operators: they still name every instruction, so a new one cannot slip into
// another's branch.
// clang-format off
#define SCRIPT_NON_BINARY_CASES                                                    \
    case Op::PushConst: case Op::PushGlobal: case Op::PushLocal: case Op::RefGlobal: \
    case Op::RefLocal: case Op::Neg: case Op::Not: case Op::Square:                \
    case Op::CallBuiltin: case Op::CallUser: case Op::Fail
// The binary operators by what they compute: arithmetic and &, comparisons, logical.
#define SCRIPT_ARITHMETIC_CASES                                                     \
    case Op::Pow: case Op::Mul: case Op::Div: case Op::IntDiv: case Op::Mod:        \
    case Op::Add: case Op::Sub: case Op::Concat
#define SCRIPT_COMPARISON_CASES                                                     \
    case Op::Eq: case Op::Ne: case Op::Lt: case Op::Gt: case Op::Le: case Op::Ge
#define SCRIPT_LOGICAL_CASES                                                        \
    case Op::And: case Op::Or: case Op::Xor: case Op::Eqv: case Op::Imp
// clang-format on

enum class Op : std::uint8_t {
#define SCRIPT_OP_ENUM(name, shape, family) name,
    SCRIPT_OPS(SCRIPT_OP_ENUM)
#undef SCRIPT_OP_ENUM
};

// The shape and family of an instruction, from the list above.
struct OpRow {
    Shape shape;
    Family family;
};
inline const OpRow& opRow(Op op) {
    static constexpr OpRow kRows[] = {
#define SCRIPT_OP_ROW(name, shape, family) {Shape::shape, Family::family},
        SCRIPT_OPS(SCRIPT_OP_ROW)
#undef SCRIPT_OP_ROW
    };
    return kRows[static_cast<int>(op)];
}
inline Shape shapeOf(Op op) {
    return opRow(op).shape;
}
inline Family familyOf(Op op) {
    return opRow(op).family;
}

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
    return shapeOf(op) == Shape::Binary;
}

// Values an instruction of the shape adds to the stack (negative: removes); argc counts a
// call's arguments.
inline int shapeEffect(Shape shape, int argc) {
    switch (shape) {
        case Shape::Load:
        case Shape::Fail:
            return 1;
        case Shape::Unary:
            return 0;
        case Shape::Binary:
            return -1;
        case Shape::Call:
            return 1 - argc;
    }
    return 0;
}

inline int stackEffect(const Instr& in) {
    return shapeEffect(shapeOf(in.op), in.argc);
}

// The deepest stack straight-line code reaches, for either instruction set: the one
// place that adds up stack effects.
template <typename Code, typename Effect>
int deepestStack(const Code& code, Effect effectOf) {
    int depth = 0, most = 0;
    for (const auto& in : code) {
        depth += effectOf(in);
        most = std::max(most, depth);
    }
    return most;
}

}  // namespace script
