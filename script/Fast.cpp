#include "script/Fast.h"

#include <algorithm>
#include <cmath>

#include "script/Builtins.h"
#include "script/Operators.h"
#include "vbrt/Rounding.h"

namespace script {

namespace {

constexpr size_t kFastStack = 32;
constexpr size_t kMaxFastCode = 256;

bool isNumber(Kind k) {
    return k != Kind::String && k != Kind::Ref;
}

// A node of the expression tree rebuilt from the postfix code.
struct Node {
    FastOp op;
    double value = 0;
    int slot = 0;
    int a = -1, b = -1;
    Kind kind = Kind::Double;
};

// Result kind of a binary operation on the given static kinds; String means "not
// expressible on doubles".
Kind binaryKind(Op op, Kind a, Kind b) {
    if (!isNumber(a) || !isNumber(b)) return Kind::String;
    switch (op) {
        case Op::Add:
        case Op::Sub:
        case Op::Mul:
            return (a == Kind::Double || b == Kind::Double) ? Kind::Double : Kind::String;
        case Op::Div:
        case Op::Pow:
            return Kind::Double;
        case Op::Eq:
        case Op::Ne:
        case Op::Lt:
        case Op::Gt:
        case Op::Le:
        case Op::Ge:
            return Kind::Boolean;
        case Op::And:
        case Op::Or:
        case Op::Xor:
        case Op::Eqv:
        case Op::Imp:
            return (a == Kind::Boolean && b == Kind::Boolean) ? Kind::Boolean : Kind::String;
        default:
            return Kind::String;
    }
}

FastOp binaryFastOp(Op op) {
    switch (op) {
        case Op::Pow:
            return FastOp::Pow;
        case Op::Mul:
            return FastOp::Mul;
        case Op::Div:
            return FastOp::Div;
        case Op::Add:
            return FastOp::Add;
        case Op::Sub:
            return FastOp::Sub;
        case Op::Eq:
            return FastOp::Eq;
        case Op::Ne:
            return FastOp::Ne;
        case Op::Lt:
            return FastOp::Lt;
        case Op::Gt:
            return FastOp::Gt;
        case Op::Le:
            return FastOp::Le;
        case Op::Ge:
            return FastOp::Ge;
        case Op::And:
            return FastOp::And;
        case Op::Or:
            return FastOp::Or;
        case Op::Xor:
            return FastOp::Xor;
        case Op::Eqv:
            return FastOp::Eqv;
        default:
            return FastOp::Imp;
    }
}

Kind callKind(int id, Kind arg) {
    if (arg != Kind::Double) return Kind::String;
    switch (static_cast<Builtin>(id)) {
        case Builtin::Sgn:
            return Kind::Integer;
        case Builtin::CBool:
            return Kind::Boolean;
        case Builtin::CInt:
        case Builtin::CLng:
            return Kind::String;
        default:
            return Kind::Double;
    }
}

FastOp callFastOp(int id) {
    switch (static_cast<Builtin>(id)) {
        case Builtin::Abs:
            return FastOp::Abs;
        case Builtin::Atn:
            return FastOp::Atn;
        case Builtin::Cos:
            return FastOp::Cos;
        case Builtin::Exp:
            return FastOp::Exp;
        case Builtin::Fix:
            return FastOp::Fix;
        case Builtin::Int:
            return FastOp::Int;
        case Builtin::Log:
            return FastOp::Log;
        case Builtin::Round:
            return FastOp::Round;
        case Builtin::Sgn:
            return FastOp::Sgn;
        case Builtin::Sin:
            return FastOp::Sin;
        case Builtin::Sqr:
            return FastOp::Sqr;
        case Builtin::Tan:
            return FastOp::Tan;
        default:
            return FastOp::CBool;
    }
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
                n.slot = in.arg;
            } else if (isBinary(in.op) && stack.size() >= 2) {
                n.b = pop(stack);
                n.a = pop(stack);
                n.op = binaryFastOp(in.op);
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
                n.a = pop(stack);
                n.kind = callKind(in.arg, nodes[n.a].kind);
                if (n.kind == Kind::String) return false;
                if (in.arg == static_cast<int>(Builtin::CDbl)) {
                    stack.push_back(n.a);
                    continue;
                }
                n.op = callFastOp(in.arg);
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
        if (n.op == FastOp::Const || n.op == FastOp::Var) return push({n.op, n.slot, n.value});
        if (n.op == FastOp::Square && nodes_[n.a].op == FastOp::Var) {
            return push({FastOp::VarSquare, nodes_[n.a].slot});
        }
        if (n.b < 0) {
            emit(n.a);
            return push({n.op});
        }
        binary(n);
    }
    std::vector<FastInstr> code;
    size_t depth = 0, most = 0;

  private:
    bool isOperand(int k) const {
        FastOp op = nodes_[k].op;
        return op == FastOp::Const || op == FastOp::Var ||
               (op == FastOp::Square && nodes_[nodes_[k].a].op == FastOp::Var);
    }
    bool errorFree(int k) const {
        return nodes_[k].op == FastOp::Const || nodes_[k].op == FastOp::Var;
    }

    void binary(const Node& n) {
        int a = n.a, b = n.b;
        bool commutes = n.op == FastOp::Add || n.op == FastOp::Mul;
        if (commutes && errorFree(a) && !isOperand(b)) std::swap(a, b);
        int arith = n.op == FastOp::Add   ? 0
                    : n.op == FastOp::Sub ? 1
                    : n.op == FastOp::Mul ? 2
                    : n.op == FastOp::Div ? 3
                                          : -1;
        const Node& right = nodes_[b];
        if (arith >= 0 && isOperand(b)) {
            emit(a);
            FastOp base = right.op == FastOp::Var     ? FastOp::AddVar
                          : right.op == FastOp::Const ? FastOp::AddConst
                                                      : FastOp::AddVarSquare;
            int slot = right.op == FastOp::Square ? nodes_[right.a].slot : right.slot;
            return replaceTop(
                {static_cast<FastOp>(static_cast<int>(base) + arith), slot, right.value});
        }
        if (n.op == FastOp::Pow && right.op == FastOp::Const) {
            emit(a);
            return replaceTop({FastOp::PowConst, 0, right.value});
        }
        if ((n.op == FastOp::Sub || n.op == FastOp::Div) && nodes_[a].op == FastOp::Const) {
            emit(b);
            FastOp op = n.op == FastOp::Sub ? FastOp::RSubConst : FastOp::RDivConst;
            return replaceTop({op, 0, nodes_[a].value});
        }
        emit(a);
        emit(b);
        push({n.op});
    }

    // Stack effect bookkeeping: loads push, binary ops pop one, fused ops keep the depth.
    void push(FastInstr in) {
        bool load = in.op == FastOp::Const || in.op == FastOp::Var || in.op == FastOp::VarSquare;
        bool binary = in.op >= FastOp::Pow && in.op <= FastOp::Imp;
        if (load) most = std::max(most, ++depth);
        if (binary) --depth;
        code.push_back(in);
    }
    void replaceTop(FastInstr in) { code.push_back(in); }

    const std::vector<Node>& nodes_;
};

inline double boolValue(bool b) {
    return b ? -1.0 : 0.0;
}

double logic(FastOp op, double a, double b) {
    bool x = a != 0, y = b != 0;
    bool r = op == FastOp::And   ? (x && y)
             : op == FastOp::Or  ? (x || y)
             : op == FastOp::Xor ? (x != y)
             : op == FastOp::Eqv ? (x == y)
                                 : (!x || y);
    return boolValue(r);
}

}  // namespace

bool buildFast(const Program& program, FastProgram& out) {
    if (program.code.size() > kMaxFastCode) return false;
    TreeBuilder tree;
    if (!tree.build(program)) return false;
    Emitter emitter(tree.nodes);
    emitter.emit(tree.root);
    if (emitter.most > kFastStack) return false;
    out.code = std::move(emitter.code);
    out.reads.clear();
    for (const Node& n : tree.nodes) {
        if (n.op == FastOp::Var) out.reads.push_back(n.slot);
    }
    if (out.reads.empty()) return false;
    std::sort(out.reads.begin(), out.reads.end());
    out.reads.erase(std::unique(out.reads.begin(), out.reads.end()), out.reads.end());
    out.result = tree.nodes[tree.root].kind;
    return true;
}

#define FINITE(expr)                      \
    do {                                  \
        double r_ = (expr);               \
        if (!std::isfinite(r_)) return 6; \
        top = r_;                         \
    } while (0)
// fn(a, b, result) with a result variable of its own, so that `top` stays in a register.
#define CHECKED(fn, a, b)                         \
    do {                                          \
        double r_ = 0;                            \
        if (int e_ = fn((a), (b), r_)) return e_; \
        top = r_;                                 \
    } while (0)

int runFast(const FastProgram& program, const Value* globals, double& out) {
    for (std::int32_t slot : program.reads) {
        if (globals[slot].kind != Kind::Double) return -1;
    }
    double stack[kFastStack + 1];
    double* sp = stack;  // sp[-1] is the top once something is pushed
    double top = 0;
    for (const FastInstr& in : program.code) {
        switch (in.op) {
            case FastOp::Const:
                *sp++ = top;
                top = in.value;
                break;
            case FastOp::Var:
                *sp++ = top;
                top = globals[in.slot].d;
                break;
            case FastOp::VarSquare: {
                *sp++ = top;
                double x = globals[in.slot].d;
                FINITE(x * x);
                break;
            }
            case FastOp::Neg:
                top = -top;
                break;
            case FastOp::Not:
                top = boolValue(top == 0);
                break;
            case FastOp::Square:
                FINITE(top * top);
                break;
            case FastOp::Pow:
                CHECKED(power, *--sp, top);
                break;
            case FastOp::Mul:
                FINITE(*--sp * top);
                break;
            case FastOp::Div:
                CHECKED(divide, *--sp, top);
                break;
            case FastOp::Add:
                FINITE(*--sp + top);
                break;
            case FastOp::Sub:
                FINITE(*--sp - top);
                break;
            case FastOp::Eq:
                top = boolValue(*--sp == top);
                break;
            case FastOp::Ne:
                top = boolValue(*--sp != top);
                break;
            case FastOp::Lt:
                top = boolValue(*--sp < top);
                break;
            case FastOp::Gt:
                top = boolValue(*--sp > top);
                break;
            case FastOp::Le:
                top = boolValue(*--sp <= top);
                break;
            case FastOp::Ge:
                top = boolValue(*--sp >= top);
                break;
            case FastOp::And:
            case FastOp::Or:
            case FastOp::Xor:
            case FastOp::Eqv:
            case FastOp::Imp:
                top = logic(in.op, *--sp, top);
                break;
            case FastOp::Abs:
                top = std::fabs(top);
                break;
            case FastOp::Atn:
                top = std::atan(top);
                break;
            case FastOp::Cos:
                top = std::cos(top);
                break;
            case FastOp::Sin:
                top = std::sin(top);
                break;
            case FastOp::Tan:
                FINITE(std::tan(top));
                break;
            case FastOp::Exp:
                FINITE(std::exp(top));
                break;
            case FastOp::Fix:
                top = std::trunc(top);
                break;
            case FastOp::Int:
                top = std::floor(top);
                break;
            case FastOp::Round:
                top = vbrt::RoundHalfEven(top);
                break;
            case FastOp::Log:
                if (top <= 0) return 5;
                top = std::log(top);
                break;
            case FastOp::Sqr:
                if (top < 0) return 5;
                top = std::sqrt(top);
                break;
            case FastOp::Sgn:
                top = top > 0 ? 1.0 : top < 0 ? -1.0 : 0.0;
                break;
            case FastOp::CBool:
                top = boolValue(top != 0);
                break;
            case FastOp::AddVar:
                FINITE(top + globals[in.slot].d);
                break;
            case FastOp::SubVar:
                FINITE(top - globals[in.slot].d);
                break;
            case FastOp::MulVar:
                FINITE(top * globals[in.slot].d);
                break;
            case FastOp::DivVar:
                CHECKED(divide, top, globals[in.slot].d);
                break;
            case FastOp::AddConst:
                FINITE(top + in.value);
                break;
            case FastOp::SubConst:
                FINITE(top - in.value);
                break;
            case FastOp::MulConst:
                FINITE(top * in.value);
                break;
            case FastOp::DivConst:
                CHECKED(divide, top, in.value);
                break;
            case FastOp::AddVarSquare:
            case FastOp::SubVarSquare:
            case FastOp::MulVarSquare:
            case FastOp::DivVarSquare: {
                double x = globals[in.slot].d;
                double sq = x * x;
                if (!std::isfinite(sq)) return 6;
                if (in.op == FastOp::AddVarSquare)
                    FINITE(top + sq);
                else if (in.op == FastOp::SubVarSquare)
                    FINITE(top - sq);
                else if (in.op == FastOp::MulVarSquare)
                    FINITE(top * sq);
                else
                    CHECKED(divide, top, sq);
                break;
            }
            case FastOp::PowConst:
                CHECKED(power, top, in.value);
                break;
            case FastOp::RSubConst:
                FINITE(in.value - top);
                break;
            case FastOp::RDivConst:
                CHECKED(divide, in.value, top);
                break;
        }
    }
    out = top;
    return 0;
}

#undef FINITE
#undef CHECKED

}  // namespace script
