// SPDX-License-Identifier: GPL-3.0-or-later
#include "script/Fast.h"

#include <math.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "script/Builtins.h"
#include "script/Operators.h"

namespace script {

namespace {

constexpr size_t kMaxFastCode = 256;

bool isNumber(Kind k) {
    return k != Kind::String && k != Kind::Ref;
}

// A node of the expression tree rebuilt from the postfix code.
struct Node {
    FastOp op;
    double value = 0;
    int variable = 0;             // Var: the global's slot
    Domain domain = Domain::Any;  // a call: its built-in's domain
    int a = -1, b = -1;
    Kind kind = Kind::Double;
    double (*fn)(double) = nullptr;
};

// Result kind of a binary operation on the given static kinds; String means "not
// expressible on doubles".
Kind binaryKind(Op op, Kind a, Kind b) {
    if (!isNumber(a) || !isNumber(b)) return Kind::String;
    switch (familyOf(op)) {
        case Family::Sum:
            return (a == Kind::Double || b == Kind::Double) ? Kind::Double : Kind::String;
        case Family::Real:
            return Kind::Double;
        case Family::Compare:
            return Kind::Boolean;
        case Family::Logic:
            return (a == Kind::Boolean && b == Kind::Boolean) ? Kind::Boolean : Kind::String;
        case Family::None:
        case Family::Whole:
        case Family::Concat:
            return Kind::String;
    }
    return Kind::String;
}

// The all-numbers instruction of a binary operator, or nothing: the names are the same.
std::optional<FastOp> binaryFastOp(Op op) {
    switch (op) {
#define SCRIPT_FAST_BINARY(name) \
    case Op::name:               \
        return FastOp::name;
        SCRIPT_FAST_BINARY(Pow)
        SCRIPT_FAST_BINARY(Mul)
        SCRIPT_FAST_BINARY(Div)
        SCRIPT_FAST_BINARY(Add)
        SCRIPT_FAST_BINARY(Sub)
        SCRIPT_FAST_BINARY(Eq)
        SCRIPT_FAST_BINARY(Ne)
        SCRIPT_FAST_BINARY(Lt)
        SCRIPT_FAST_BINARY(Gt)
        SCRIPT_FAST_BINARY(Le)
        SCRIPT_FAST_BINARY(Ge)
        SCRIPT_FAST_BINARY(And)
        SCRIPT_FAST_BINARY(Or)
        SCRIPT_FAST_BINARY(Xor)
        SCRIPT_FAST_BINARY(Eqv)
        SCRIPT_FAST_BINARY(Imp)
#undef SCRIPT_FAST_BINARY
        // Whole-number division, Mod and & leave the numbers; the rest are no operators.
        case Op::IntDiv:
        case Op::Mod:
        case Op::Concat:
        SCRIPT_NON_BINARY_CASES:
            return std::nullopt;
    }
    return std::nullopt;
}

Kind callKind(Builtin id, Kind arg) {
    return arg == Kind::Double ? builtinEntry(id).result : Kind::String;
}

// The all-numbers instruction of a one-argument built-in, or nothing (the general machine
// serves). Every built-in is listed, so that one added without its entry fails the build.
std::optional<FastOp> callFastOp(Builtin id) {
    switch (id) {
        case Builtin::Abs:
            return FastOp::Abs;
        case Builtin::Sgn:
            return FastOp::Sgn;
        case Builtin::CBool:
            return FastOp::CBool;
        case Builtin::Atn:
        case Builtin::Cos:
        case Builtin::Sin:
        case Builtin::Fix:
        case Builtin::Int:
        case Builtin::Round:
            return FastOp::Fn;
        case Builtin::Exp:
        case Builtin::Tan:
            return FastOp::FnFinite;
        case Builtin::Log:
            return FastOp::FnDomain;
        case Builtin::Sqr:
            return FastOp::Sqr;
        case Builtin::CDbl:  // no instruction: the number itself (see TreeBuilder)
        case Builtin::CInt:  // whole results with a range check
        case Builtin::CLng:
        case Builtin::Count:
            return std::nullopt;
    }
    return std::nullopt;
}

class TreeBuilder {
  public:
    // Rebuilds the tree with static kinds; false when some node is not all-numbers.
    bool build(const Program& program) {
        std::vector<int> stack;
        for (const Instr& in : program.code) {
            Node n{FastOp::Const};
            if (in.op == Op::PushConst) {
                const Value& c = program.consts[in.arg];
                n.kind = c.kind;
                n.value = c.kind == Kind::Double ? c.d : c.i;
            } else if (in.op == Op::PushGlobal) {
                n.op = FastOp::Var;
                n.variable = in.arg;
            } else if (isBinary(in.op) && stack.size() >= 2) {
                n.b = pop(stack);
                n.a = pop(stack);
                const std::optional<FastOp> op = binaryFastOp(in.op);
                if (!op) return false;
                n.op = *op;
                n.kind = binaryKind(in.op, nodes[n.a].kind, nodes[n.b].kind);
            } else if ((in.op == Op::Neg || in.op == Op::Not || in.op == Op::Square) &&
                       !stack.empty()) {
                n.a = pop(stack);
                Kind k = nodes[n.a].kind;
                n.op = in.op == Op::Neg   ? FastOp::Neg
                       : in.op == Op::Not ? FastOp::Not
                                          : FastOp::Square;
                n.kind = in.op == Op::Neg   ? (k == Kind::Double ? k : Kind::String)
                         : in.op == Op::Not ? (k == Kind::Boolean ? k : Kind::String)
                                            : (isNumber(k) ? Kind::Double : Kind::String);
            } else if (in.op == Op::CallBuiltin && in.argc == 1 && !stack.empty()) {
                const Builtin id = static_cast<Builtin>(in.arg);
                n.a = pop(stack);
                n.kind = callKind(id, nodes[n.a].kind);
                if (n.kind == Kind::String) return false;
                if (id == Builtin::CDbl) {
                    stack.push_back(n.a);
                    continue;
                }
                const std::optional<FastOp> op = callFastOp(id);
                if (!op) return false;
                n.op = *op;
                n.domain = builtinEntry(id).domain;
                if (fastOpCalls(n.op)) n.fn = builtinEntry(id).onNumber;
            } else {
                return false;
            }
            if (n.kind == Kind::String) return false;
            nodes.push_back(n);
            stack.push_back(static_cast<int>(nodes.size() - 1));
        }
        if (stack.size() != 1) return false;
        root = stack.back();
        return true;
    }

    std::vector<Node> nodes;
    int root = -1;

  private:
    static int pop(std::vector<int>& s) {
        int v = s.back();
        s.pop_back();
        return v;
    }
};

// Emits the tree as stack code with operand-fused instructions. Operands are evaluated
// left to right as in the general machine; only error-free operands (variables, constants)
// are reordered, so the first error raised is the same.
class Emitter {
  public:
    explicit Emitter(const std::vector<Node>& nodes) : nodes_(nodes) {}

    void emit(int k) {
        const Node& n = nodes_[k];
        if (n.op == FastOp::Const || n.op == FastOp::Var)
            return push({.op = n.op, .variable = n.variable, .value = n.value});
        if (n.op == FastOp::Square && nodes_[n.a].op == FastOp::Var) {
            return push({.op = FastOp::VarSquare, .variable = nodes_[n.a].variable});
        }
        if (n.op == FastOp::Fn && nodes_[n.a].op == FastOp::Var) {
            return push({.op = FastOp::VarFn, .variable = nodes_[n.a].variable, .fn = n.fn});
        }
        if (n.op == FastOp::Abs) {
            emit(n.a);
            return absolute();
        }
        if (n.b < 0) {
            emit(n.a);
            return push({.op = n.op, .domain = n.domain, .fn = n.fn});
        }
        binary(n);
    }
    std::vector<FastInstr> code;

  private:
    // Operands that a fused instruction can fetch itself: a variable, a constant, a squared
    // variable or a pure function of a variable.
    bool isOperand(int k) const {
        FastOp op = nodes_[k].op;
        bool ofVariable = nodes_[k].a >= 0 && nodes_[nodes_[k].a].op == FastOp::Var;
        return op == FastOp::Const || op == FastOp::Var ||
               ((op == FastOp::Square || op == FastOp::Fn) && ofVariable);
    }
    // The instruction doing `op` with its right operand fetched by itself (rows: variable,
    // constant, squared variable, function of a variable), if there is one.
    std::optional<FastOp> fusedOp(FastOp op, const Node& right) const {
        static constexpr FastOp kFused[4][4] = {
            {FastOp::AddVar, FastOp::SubVar, FastOp::MulVar, FastOp::DivVar},
            {FastOp::AddConst, FastOp::SubConst, FastOp::MulConst, FastOp::DivConst},
            {FastOp::AddVarSquare, FastOp::SubVarSquare, FastOp::MulVarSquare,
             FastOp::DivVarSquare},
            {FastOp::AddVarFn, FastOp::SubVarFn, FastOp::MulVarFn, FastOp::DivVarFn},
        };
        const int column = op == FastOp::Add   ? 0
                           : op == FastOp::Sub ? 1
                           : op == FastOp::Mul ? 2
                           : op == FastOp::Div ? 3
                                               : -1;
        const int row = right.op == FastOp::Var      ? 0
                        : right.op == FastOp::Const  ? 1
                        : right.op == FastOp::Square ? 2
                        : right.op == FastOp::Fn     ? 3
                                                     : -1;
        if (column < 0 || row < 0) return std::nullopt;
        return kFused[row][column];
    }
    // A polynomial's term: a constant times a variable or its square, either way round.
    struct Term {
        double constant;
        int variable;
        bool squared;
    };
    std::optional<Term> term(int k) const {
        const Node& n = nodes_[k];
        if (n.op != FastOp::Mul) return std::nullopt;
        for (auto [c, v] : {std::pair{n.a, n.b}, std::pair{n.b, n.a}}) {
            if (nodes_[c].op != FastOp::Const) continue;
            if (nodes_[v].op == FastOp::Var)
                return Term{nodes_[c].value, nodes_[v].variable, false};
            if (nodes_[v].op == FastOp::Square && nodes_[nodes_[v].a].op == FastOp::Var) {
                return Term{nodes_[c].value, nodes_[nodes_[v].a].variable, true};
            }
        }
        return std::nullopt;
    }
    bool errorFree(int k) const {
        return nodes_[k].op == FastOp::Const || nodes_[k].op == FastOp::Var;
    }

    void binary(const Node& n) {
        int a = n.a, b = n.b;
        bool commutes = n.op == FastOp::Add || n.op == FastOp::Mul;
        if (commutes && errorFree(a) && !isOperand(b)) std::swap(a, b);
        const Node& right = nodes_[b];
        if (std::optional<Term> t = term(b); t && (n.op == FastOp::Add || n.op == FastOp::Sub)) {
            emit(a);
            static constexpr FastOp kTerms[2][2] = {
                {FastOp::AddConstVar, FastOp::AddConstVarSquare},
                {FastOp::SubConstVar, FastOp::SubConstVarSquare},
            };
            return push({.op = kTerms[n.op == FastOp::Sub][t->squared],
                         .variable = t->variable,
                         .value = t->constant});
        }
        if (std::optional<FastOp> fused = fusedOp(n.op, right); fused && isOperand(b)) {
            emit(a);
            const int variable = right.a >= 0 ? nodes_[right.a].variable : right.variable;
            return push({.op = *fused, .variable = variable, .value = right.value, .fn = right.fn});
        }
        if (n.op == FastOp::Pow && right.op == FastOp::Const) {
            emit(a);
            const double e = right.value;
            if (e >= 3 && e <= kMaxWholePower && e == std::trunc(e)) {
                return push(
                    {.op = FastOp::PowWholeConst, .exponent = static_cast<std::uint8_t>(e)});
            }
            return push({.op = FastOp::PowConst, .value = e});
        }
        if ((n.op == FastOp::Sub || n.op == FastOp::Div) && nodes_[a].op == FastOp::Const) {
            emit(b);
            FastOp op = n.op == FastOp::Sub ? FastOp::RSubConst : FastOp::RDivConst;
            return push({.op = op, .value = nodes_[a].value});
        }
        emit(a);
        emit(b);
        push({.op = n.op});
    }

    void push(FastInstr in) { code.push_back(in); }

    // Abs of what was emitted last: of a difference, one instruction with it.
    void absolute() {
        static constexpr std::pair<FastOp, FastOp> kAbsOf[] = {
            {FastOp::Sub, FastOp::AbsSub},
            {FastOp::SubVar, FastOp::AbsSubVar},
            {FastOp::RSubConst, FastOp::AbsRSubConst},
        };
        for (const auto& [difference, size] : kAbsOf) {
            if (code.back().op == difference) {
                code.back().op = size;
                return;
            }
        }
        push({.op = FastOp::Abs});
    }

    const std::vector<Node>& nodes_;
};

}  // namespace

int fastStackEffect(FastOp op) {
    return shapeEffect(kFastOps[static_cast<int>(op)].shape, 0);
}

const char* fastOpName(FastOp op) {
    return kFastOps[static_cast<int>(op)].name;
}

bool buildFast(const Program& program, FastProgram& out) {
    if (program.code.size() > kMaxFastCode) return false;
    TreeBuilder tree;
    if (!tree.build(program)) return false;
    Emitter emitter(tree.nodes);
    emitter.emit(tree.root);
    const int deepest =
        deepestStack(emitter.code, [](const FastInstr& in) { return fastStackEffect(in.op); });
    if (deepest > static_cast<int>(kFastStack)) return false;
    out.code = std::move(emitter.code);
    out.code.push_back({.op = FastOp::End});
    out.run = fastRunner(out);
    // A text without variables is folded to a constant or fails: the general path serves.
    bool reads = std::any_of(tree.nodes.begin(), tree.nodes.end(),
                             [](const Node& n) { return n.op == FastOp::Var; });
    if (!reads) return false;
    out.result = tree.nodes[tree.root].kind;
    return true;
}

}  // namespace script
