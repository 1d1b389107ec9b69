// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "script/Lexer.h"
#include "script/Program.h"

namespace script {

// How the compiler finds names: locals of the function being compiled, global variables,
// user functions. Globals are created on first mention so they read as Empty.
class Scope {
  public:
    virtual ~Scope() = default;
    virtual std::optional<int> local(const std::string& name) = 0;
    virtual int global(const std::string& name) = 0;
    // Index of a defined user function, or -1.
    virtual int function(const std::string& name) = 0;
    // Index of an entry that a later definition fills (function bodies may call functions
    // defined after them), or -1 where that is not allowed.
    virtual int placeholder(const std::string& name) = 0;
};

constexpr int kMaxNesting = 200;

// Compiles one expression starting at tokens[pos] into `out` (appending), leaving pos on
// the first token after it. Constant parts are folded and x^2 is fused. Returns 0 or an
// error number (1002 syntax, 1032 invalid character, 28 nesting too deep).
int compileExpression(const std::vector<Token>& tokens, size_t& pos, Scope& scope, Program& out);

// Recomputes out.maxDepth from the code.
void measureDepth(Program& program);

}  // namespace script
