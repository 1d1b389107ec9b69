#pragma once

#include <cstdint>
#include <string_view>

#include "script/Value.h"
#include "vbrt/RuntimeError.h"

namespace script {

// The built-in functions users may type; nothing else is callable. Each has one row in the
// table of Builtins.cpp, in this order.
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
