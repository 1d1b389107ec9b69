// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

#include "script/Value.h"
#include "vbrt/RuntimeError.h"

namespace script {

// The built-in functions users may type; nothing else is callable. One list, so that the
// enum and the table of Builtins.cpp cannot drift apart: id, lower-case name, least and most
// arguments, result kind for a Double argument, domain, number rule, value rule (`none`: the
// number rule on the argument's number). The rules are named here and defined in Builtins.cpp.
// clang-format off
#define SCRIPT_BUILTINS(X)                                                           \
    X(Abs,   "abs",   1, 1, Double,  Any,         ::fabs,              absolute)      \
    X(Atn,   "atn",   1, 1, Double,  Any,         ::atan,              none)          \
    X(Cos,   "cos",   1, 1, Double,  Any,         ::cos,               none)          \
    X(Exp,   "exp",   1, 1, Double,  Any,         ::exp,               none)          \
    X(Fix,   "fix",   1, 1, Double,  Any,         ::trunc,             wholeOrNumber) \
    X(Int,   "int",   1, 1, Double,  Any,         ::floor,             wholeOrNumber) \
    X(Log,   "log",   1, 1, Double,  Positive,    ::log,               none)          \
    X(Round, "round", 1, 2, Double,  Any,         vbrt::RoundHalfEven, roundCall)     \
    X(Sgn,   "sgn",   1, 1, Integer, Any,         sign,                none)          \
    X(Sin,   "sin",   1, 1, Double,  Any,         ::sin,               none)          \
    X(Sqr,   "sqr",   1, 1, Double,  NotNegative, ::sqrt,              none)          \
    X(Tan,   "tan",   1, 1, Double,  Any,         ::tan,               none)          \
    X(CInt,  "cint",  1, 1, Integer, Any,         vbrt::RoundHalfEven, convertWhole)  \
    X(CLng,  "clng",  1, 1, Long,    Any,         vbrt::RoundHalfEven, convertWhole)  \
    X(CDbl,  "cdbl",  1, 1, Double,  Any,         same,                none)          \
    X(CBool, "cbool", 1, 1, Boolean, Any,         truthNumber,         truth)
// clang-format on

enum class Builtin : int {
#define SCRIPT_BUILTIN_ENUM(id, name, least, most, kind, domain, number, values) id,
    SCRIPT_BUILTINS(SCRIPT_BUILTIN_ENUM)
#undef SCRIPT_BUILTIN_ENUM
        Count
};

// Where a built-in's number argument must lie.
enum class Domain : std::uint8_t { Any, Positive, NotNegative };

// 0, or an invalid call when x lies outside the domain: the one Log/Sqr check of both routes.
inline int domainError(Domain domain, double x) {
    switch (domain) {
        case Domain::Any:
            return 0;
        case Domain::Positive:
            return x > 0 ? 0 : vbrt::kInvalidCall;
        case Domain::NotNegative:
            return x >= 0 ? 0 : vbrt::kInvalidCall;
    }
    return 0;
}

using NumberRule = double (*)(double);
using ValueRule = int (*)(Builtin id, const Value* args, int argc, Value& out);

// One built-in: what the parser, the general machine and the all-numbers form know of it.
struct BuiltinEntry {
    const char* name;  // lower case
    int minArgs;
    int maxArgs;
    Kind result;          // the result's kind for a Double argument
    Domain domain;        // checked before the number rule
    NumberRule onNumber;  // the rule on a number, called by both routes
    ValueRule onValues;   // the rule on any values, or nullptr: onNumber on the argument's number
};

const BuiltinEntry& builtinEntry(Builtin id);
// Id of a built-in by its lower-case name, or -1.
int findBuiltin(std::string_view lowerName);
// Whether argc arguments are acceptable for the built-in.
bool builtinAccepts(int id, int argc);
// Calls the built-in; returns 0 or an error number, never throws.
int callBuiltin(int id, const Value* args, int argc, Value& out);

}  // namespace script
