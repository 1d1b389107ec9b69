#pragma once

#include <string_view>

#include "script/Value.h"

namespace script {

// The built-in functions users may type; nothing else is callable.
enum class Builtin : int {
    Abs,
    Atn,
    Cos,
    Exp,
    Fix,
    Int,
    Log,
    Round,
    Sgn,
    Sin,
    Sqr,
    Tan,
    CInt,
    CLng,
    CDbl,
    CBool,
    Count
};

// Id of a built-in by its lower-case name, or -1.
int findBuiltin(std::string_view lowerName);
// Whether argc arguments are acceptable for the built-in.
bool builtinAccepts(int id, int argc);
// Calls the built-in; returns 0 or an error number, never throws.
int callBuiltin(int id, const Value* args, int argc, Value& out);
// The plain double form of a one-argument built-in for the fast path: 0 or an error number.
int builtinOnDouble(int id, double x, double& out);

}  // namespace script
