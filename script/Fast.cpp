#include "script/Fast.h"

#include <algorithm>
#include <cmath>

#include "script/Builtins.h"
#include "script/Operators.h"

namespace script {

namespace {

constexpr size_t kFastStack = 32;

bool isNumber(Kind k) {
    return k != Kind::String && k != Kind::Ref;
}

// Result kind of a binary operation when its operands have the given static kinds, or
// String for "not expressible on doubles".
Kind fastBinaryKind(Op op, Kind a, Kind b) {
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

FastOp fastBinaryOp(Op op) {
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

Kind fastCallKind(int id, Kind arg) {
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

double numberOf(const Value& v) {
    return v.kind == Kind::Double ? v.d : v.i;
}

// Replaces "push x; op" pairs by one fused instruction where the right operand is a
// variable or a constant.
void fuse(std::vector<FastInstr>& code) {
    std::vector<FastInstr> out;
    out.reserve(code.size());
    for (const FastInstr& in : code) {
        if (!out.empty()) {
            FastInstr& last = out.back();
            bool var = last.op == FastOp::Var, konst = last.op == FastOp::Const;
            int shift = in.op == FastOp::Add   ? 0
                        : in.op == FastOp::Sub ? 1
                        : in.op == FastOp::Mul ? 2
                        : in.op == FastOp::Div ? 3
                                               : -1;
            if (shift >= 0 && (var || konst)) {
                last.op = static_cast<FastOp>(
                    static_cast<int>(var ? FastOp::AddVar : FastOp::AddConst) + shift);
                continue;
            }
            if (in.op == FastOp::Square && var) {
                last.op = FastOp::VarSquare;
                continue;
            }
        }
        out.push_back(in);
    }
    code = std::move(out);
}

inline bool truth(double x) {
    return x != 0;
}
inline double boolValue(bool b) {
    return b ? -1.0 : 0.0;
}

int bitwiseBool(FastOp op, double a, double b, double& out) {
    bool x = truth(a), y = truth(b);
    bool r = op == FastOp::And   ? (x && y)
             : op == FastOp::Or  ? (x || y)
             : op == FastOp::Xor ? (x != y)
             : op == FastOp::Eqv ? (x == y)
                                 : (!x || y);
    out = boolValue(r);
    return 0;
}

inline int finite(double r, double& out) {
    out = r;
    return std::isfinite(r) ? 0 : 6;
}

}  // namespace

bool buildFast(const Program& program, FastProgram& out) {
    std::vector<Kind> kinds;
    out.code.clear();
    out.slots.clear();
    for (const Instr& in : program.code) {
        FastInstr f{FastOp::Const};
        Kind k = Kind::String;
        if (in.op == Op::PushConst) {
            const Value& c = program.consts[in.arg];
            k = c.kind;
            f.value = numberOf(c);
            kinds.push_back(k);
        } else if (in.op == Op::PushGlobal) {
            f.op = FastOp::Var;
            f.slot = in.arg;
            out.slots.push_back(in.arg);
            kinds.push_back(Kind::Double);
        } else if (isBinary(in.op)) {
            if (kinds.size() < 2) return false;
            k = fastBinaryKind(in.op, kinds[kinds.size() - 2], kinds.back());
            f.op = fastBinaryOp(in.op);
            kinds.pop_back();
            kinds.back() = k;
        } else if (in.op == Op::Neg || in.op == Op::Not || in.op == Op::Square) {
            if (kinds.empty()) return false;
            Kind a = kinds.back();
            k = in.op == Op::Neg   ? (a == Kind::Double ? a : Kind::String)
                : in.op == Op::Not ? (a == Kind::Boolean ? a : Kind::String)
                                   : (isNumber(a) ? Kind::Double : Kind::String);
            f.op = in.op == Op::Neg ? FastOp::Neg : in.op == Op::Not ? FastOp::Not : FastOp::Square;
            kinds.back() = k;
        } else if (in.op == Op::CallBuiltin && in.argc == 1) {
            if (kinds.empty()) return false;
            k = fastCallKind(in.arg, kinds.back());
            f.op = in.arg == static_cast<int>(Builtin::Sgn)     ? FastOp::Sgn
                   : in.arg == static_cast<int>(Builtin::CBool) ? FastOp::CBool
                                                                : FastOp::Func;
            f.fn = static_cast<std::uint8_t>(in.arg);
            kinds.back() = k;
        } else {
            return false;
        }
        if (k == Kind::String || kinds.size() > kFastStack) return false;
        out.code.push_back(f);
    }
    if (kinds.size() != 1 || out.slots.empty()) return false;
    out.result = kinds.back();
    std::sort(out.slots.begin(), out.slots.end());
    out.slots.erase(std::unique(out.slots.begin(), out.slots.end()), out.slots.end());
    fuse(out.code);
    return true;
}

int runFast(const FastProgram& program, const Value* globals, Value& out) {
    for (std::int32_t slot : program.slots) {
        if (globals[slot].kind != Kind::Double) return -1;
    }
    double stack[kFastStack + 1];
    double* sp = stack;
    int e = 0;
    for (const FastInstr& in : program.code) {
        switch (in.op) {
            case FastOp::Const:
                *sp++ = in.value;
                break;
            case FastOp::Var:
                *sp++ = globals[in.slot].d;
                break;
            case FastOp::VarSquare: {
                double x = globals[in.slot].d;
                e = finite(x * x, *sp++);
                break;
            }
            case FastOp::Neg:
                sp[-1] = -sp[-1];
                break;
            case FastOp::Not:
                sp[-1] = boolValue(!truth(sp[-1]));
                break;
            case FastOp::Square:
                e = finite(sp[-1] * sp[-1], sp[-1]);
                break;
            case FastOp::Pow:
                --sp;
                e = power(sp[-1], sp[0], sp[-1]);
                break;
            case FastOp::Mul:
                --sp;
                e = finite(sp[-1] * sp[0], sp[-1]);
                break;
            case FastOp::Div:
                --sp;
                e = divide(sp[-1], sp[0], sp[-1]);
                break;
            case FastOp::Add:
                --sp;
                e = finite(sp[-1] + sp[0], sp[-1]);
                break;
            case FastOp::Sub:
                --sp;
                e = finite(sp[-1] - sp[0], sp[-1]);
                break;
            case FastOp::AddVar:
                e = finite(sp[-1] + globals[in.slot].d, sp[-1]);
                break;
            case FastOp::SubVar:
                e = finite(sp[-1] - globals[in.slot].d, sp[-1]);
                break;
            case FastOp::MulVar:
                e = finite(sp[-1] * globals[in.slot].d, sp[-1]);
                break;
            case FastOp::DivVar:
                e = divide(sp[-1], globals[in.slot].d, sp[-1]);
                break;
            case FastOp::AddConst:
                e = finite(sp[-1] + in.value, sp[-1]);
                break;
            case FastOp::SubConst:
                e = finite(sp[-1] - in.value, sp[-1]);
                break;
            case FastOp::MulConst:
                e = finite(sp[-1] * in.value, sp[-1]);
                break;
            case FastOp::DivConst:
                e = divide(sp[-1], in.value, sp[-1]);
                break;
            case FastOp::Eq:
                --sp;
                sp[-1] = boolValue(sp[-1] == sp[0]);
                break;
            case FastOp::Ne:
                --sp;
                sp[-1] = boolValue(sp[-1] != sp[0]);
                break;
            case FastOp::Lt:
                --sp;
                sp[-1] = boolValue(sp[-1] < sp[0]);
                break;
            case FastOp::Gt:
                --sp;
                sp[-1] = boolValue(sp[-1] > sp[0]);
                break;
            case FastOp::Le:
                --sp;
                sp[-1] = boolValue(sp[-1] <= sp[0]);
                break;
            case FastOp::Ge:
                --sp;
                sp[-1] = boolValue(sp[-1] >= sp[0]);
                break;
            case FastOp::And:
            case FastOp::Or:
            case FastOp::Xor:
            case FastOp::Eqv:
            case FastOp::Imp:
                --sp;
                e = bitwiseBool(in.op, sp[-1], sp[0], sp[-1]);
                break;
            case FastOp::Func:
                e = builtinOnDouble(in.fn, sp[-1], sp[-1]);
                break;
            case FastOp::Sgn:
                sp[-1] = sp[-1] > 0 ? 1.0 : sp[-1] < 0 ? -1.0 : 0.0;
                break;
            case FastOp::CBool:
                sp[-1] = boolValue(truth(sp[-1]));
                break;
        }
        if (e) return e;
    }
    double r = sp[-1];
    switch (program.result) {
        case Kind::Boolean:
            out = Value::boolean(r != 0);
            break;
        case Kind::Integer:
            out = Value::integer(static_cast<std::int32_t>(r));
            break;
        case Kind::Long:
            out = Value::longValue(static_cast<std::int32_t>(r));
            break;
        default:
            out = Value::number(r);
            break;
    }
    return 0;
}

}  // namespace script
