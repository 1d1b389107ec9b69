// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "script/Program.h"
#include "script/Value.h"

namespace script {

// One statement of a compiled body. Blocks (If/ElseIf/Else) become jumps.
struct StatementOp {
    enum class Kind : std::uint8_t { Assign, JumpIfFalse, Jump, Exit, Discard };
    Kind kind = Kind::Assign;
    bool local = false;  // Assign: target is a local slot, else a global slot
    int slot = 0;
    int expr = -1;   // index into Body::exprs
    int target = 0;  // jump target
};

struct Body {
    std::vector<StatementOp> ops;
    std::vector<Program> exprs;
};

// A script function. Local slot 0 holds the return value, 1..params the parameters, then
// the names declared with Dim. An entry may exist before its definition (defined false).
struct Function {
    std::string name;
    bool defined = false;
    std::vector<bool> byRef;
    int localCount = 1;
    Body body;
};

constexpr int kMaxCallDepth = 200;
constexpr long kMaxCallsPerRun = 1000000;

// Runs compiled code: expressions on a value stack, bodies statement by statement, calls
// with by-value and by-reference parameters. Every entry returns 0 or an error number.
class Machine {
  public:
    std::vector<Value> globals;
    std::vector<std::unique_ptr<Function>> functions;

    // Starts a top-level request: resets the work budget that bounds runaway recursion.
    void begin() { calls_ = 0; }
    int run(const Program& program, Value** locals, Value& out);
    int exec(const Body& body, Value** locals);
    // Calls function `index` with the argc values at stack index argsAt (Refs allowed).
    int call(int index, size_t argsAt, int argc, Value& out);
    // Calls a function with values supplied by the host.
    int callWith(int index, const Value* args, int argc, Value& out);

  private:
    int step(const Instr& in, const Program& program, Value** locals, size_t& top);
    std::vector<Value> stack_;
    size_t top_ = 0;
    int depth_ = 0;
    long calls_ = 0;
};

}  // namespace script
