// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "script/Compiler.h"
#include "script/Lexer.h"
#include "script/Machine.h"

namespace script {

// What the engine offers the statement compiler: name tables for globals and functions.
class Definitions {
  public:
    virtual ~Definitions() = default;
    virtual Scope& globalScope() = 0;
    // Index of the (possibly not yet defined) function entry of this name.
    virtual int functionEntry(const std::string& name) = 0;
    virtual int function(const std::string& name) = 0;
    virtual int global(const std::string& name) = 0;
};

// A source compiled for AddCode: its global statements and the functions it defines.
struct CompiledSource {
    Body global;
    std::vector<std::pair<int, Function>> functions;  // entry index and its definition
};

// Compiles a whole source; nothing runs and nothing is defined when it fails.
// Returns 0 or an error number.
int compileSource(const std::vector<Token>& tokens, Definitions& defs, CompiledSource& out);

}  // namespace script
