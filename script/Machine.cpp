// SPDX-License-Identifier: GPL-3.0-or-later
#include "script/Machine.h"

#include "script/Builtins.h"
#include "script/Convert.h"
#include "script/Operators.h"
#include "vbrt/RuntimeError.h"

namespace script {

int Machine::run(const Program& program, Value** locals, Value& out) {
    size_t base = top_;
    if (stack_.size() < base + program.maxDepth + 1) stack_.resize(base + program.maxDepth + 1);
    size_t top = base;
    for (const Instr& in : program.code) {
        if (int e = step(in, program, locals, top)) {
            top_ = base;
            return e;
        }
    }
    out = std::move(stack_[top - 1]);
    top_ = base;
    return 0;
}

int Machine::step(const Instr& in, const Program& program, Value** locals, size_t& top) {
    Value* sp = stack_.data() + top;
    int e = 0;
    switch (in.op) {
        case Op::PushConst:
            *sp = program.consts[in.arg];
            break;
        case Op::PushGlobal:
            *sp = globals[in.arg];
            break;
        case Op::PushLocal:
            *sp = *locals[in.arg];
            break;
        case Op::RefGlobal:
            *sp = Value::reference(&globals[in.arg]);
            break;
        case Op::RefLocal:
            *sp = Value::reference(locals[in.arg]);
            break;
        case Op::Neg:
        case Op::Not:
        case Op::Square: {
            Value r;
            e = in.op == Op::Neg   ? negate(sp[-1], r)
                : in.op == Op::Not ? logicalNot(sp[-1], r)
                                   : square(sp[-1], r);
            sp[-1] = std::move(r);
            return e;
        }
        case Op::CallBuiltin: {
            Value r;
            e = callBuiltin(in.arg, sp - in.argc, in.argc, r);
            top -= in.argc;
            stack_[top] = std::move(r);
            break;
        }
        case Op::CallUser: {
            Value r;
            size_t argsAt = top - in.argc;
            top_ = top;
            e = call(in.arg, argsAt, in.argc, r);
            top = argsAt;
            stack_[top] = std::move(r);
            break;
        }
        case Op::Fail:
            return in.arg;
        // clang-format off
        SCRIPT_ARITHMETIC_CASES:
        SCRIPT_COMPARISON_CASES:
        SCRIPT_LOGICAL_CASES: {
            // clang-format on
            Value r;
            e = binaryOp(in.op, sp[-2], sp[-1], r);
            --top;
            stack_[top - 1] = std::move(r);
            return e;
        }
    }
    ++top;
    return e;
}

int Machine::exec(const Body& body, Value** locals) {
    size_t pc = 0;
    while (pc < body.ops.size()) {
        const StatementOp& op = body.ops[pc];
        Value v;
        if (op.expr >= 0) {
            if (int e = run(body.exprs[op.expr], locals, v)) return e;
        }
        switch (op.kind) {
            case StatementOp::Kind::Assign:
                *(op.local ? locals[op.slot] : &globals[op.slot]) = std::move(v);
                ++pc;
                break;
            case StatementOp::Kind::JumpIfFalse: {
                bool b = false;
                if (int e = toBoolean(v, b)) return e;
                pc = b ? pc + 1 : op.target;
                break;
            }
            case StatementOp::Kind::Jump:
                pc = op.target;
                break;
            case StatementOp::Kind::Exit:
                return 0;
            case StatementOp::Kind::Discard:
                ++pc;
                break;
        }
    }
    return 0;
}

int Machine::call(int index, size_t argsAt, int argc, Value& out) {
    const Function& f = *functions[index];
    if (!f.defined) return vbrt::kTypeMismatch;
    if (argc != static_cast<int>(f.byRef.size())) return vbrt::kWrongArgumentCount;
    if (depth_ >= kMaxCallDepth || ++calls_ > kMaxCallsPerRun) return vbrt::kOutOfStackSpace;
    // Locals live on the C++ stack for the usual small function, on the heap otherwise.
    constexpr int kInlineLocals = 8;
    Value inlineStorage[kInlineLocals];
    Value* inlineSlots[kInlineLocals];
    std::vector<Value> heapStorage;
    std::vector<Value*> heapSlots;
    Value* storage = inlineStorage;
    Value** slots = inlineSlots;
    if (f.localCount > kInlineLocals) {
        heapStorage.resize(f.localCount);
        heapSlots.resize(f.localCount);
        storage = heapStorage.data();
        slots = heapSlots.data();
    }
    for (int k = 0; k < f.localCount; ++k)
        slots[k] = &storage[k];
    for (int k = 0; k < argc; ++k) {
        Value& a = stack_[argsAt + k];
        if (a.kind != Kind::Ref) {
            storage[k + 1] = std::move(a);
        } else if (f.byRef[k]) {
            slots[k + 1] = a.ref;
        } else {
            storage[k + 1] = *a.ref;
        }
    }
    ++depth_;
    int e = exec(f.body, slots);
    --depth_;
    if (e == 0) out = std::move(storage[0]);
    return e;
}

int Machine::callWith(int index, const Value* args, int argc, Value& out) {
    size_t argsAt = top_;
    if (stack_.size() < argsAt + argc + 1) stack_.resize(argsAt + argc + 1);
    for (int k = 0; k < argc; ++k)
        stack_[argsAt + k] = args[k];
    top_ = argsAt + argc;
    int e = call(index, argsAt, argc, out);
    top_ = argsAt;
    return e;
}

}  // namespace script
