// SPDX-License-Identifier: GPL-3.0-or-later
#include "script/Compiler.h"

#include <algorithm>

#include "script/Builtins.h"
#include "script/Operators.h"
#include "vbrt/RuntimeError.h"

namespace script {

namespace {

constexpr int kMaxArguments = 255;
constexpr int kNotPrecedence = 6;
constexpr int kSignPrecedence = 14;  // a sign takes a whole power chain: -2^2 = -(2^2)

struct BinaryOperator {
    Op op;
    int precedence;
};

std::optional<BinaryOperator> binaryOperatorOf(const Token& t) {
    switch (t.type) {
        case Tok::Caret:
            return BinaryOperator{Op::Pow, 14};
        case Tok::Star:
            return BinaryOperator{Op::Mul, 12};
        case Tok::Slash:
            return BinaryOperator{Op::Div, 12};
        case Tok::Backslash:
            return BinaryOperator{Op::IntDiv, 11};
        case Tok::Plus:
            return BinaryOperator{Op::Add, 9};
        case Tok::Minus:
            return BinaryOperator{Op::Sub, 9};
        case Tok::Amp:
            return BinaryOperator{Op::Concat, 8};
        case Tok::Eq:
            return BinaryOperator{Op::Eq, 7};
        case Tok::Ne:
            return BinaryOperator{Op::Ne, 7};
        case Tok::Lt:
            return BinaryOperator{Op::Lt, 7};
        case Tok::Gt:
            return BinaryOperator{Op::Gt, 7};
        case Tok::Le:
            return BinaryOperator{Op::Le, 7};
        case Tok::Ge:
            return BinaryOperator{Op::Ge, 7};
        case Tok::Keyword:
            break;
        default:
            return std::nullopt;
    }
    switch (t.kw) {
        case Kw::Mod:
            return BinaryOperator{Op::Mod, 10};
        case Kw::And:
            return BinaryOperator{Op::And, 5};
        case Kw::Or:
            return BinaryOperator{Op::Or, 4};
        case Kw::Xor:
            return BinaryOperator{Op::Xor, 3};
        case Kw::Eqv:
            return BinaryOperator{Op::Eqv, 2};
        case Kw::Imp:
            return BinaryOperator{Op::Imp, 1};
        default:
            return std::nullopt;
    }
}

bool isTwo(const Value& v) {
    return (v.kind == Kind::Integer && v.i == 2) || (v.kind == Kind::Double && v.d == 2.0);
}

// Appends instructions, folding operations whose operands are all constants (unless the
// operation fails: then the error is left to happen at run time, as it would unfolded).
class Emitter {
  public:
    explicit Emitter(Program& p) : p_(p) {}

    void constant(Value v) {
        p_.consts.push_back(std::move(v));
        emit(Op::PushConst, static_cast<int>(p_.consts.size() - 1));
    }
    void emit(Op op, int arg = 0, int argc = 0) {
        p_.code.push_back(Instr{op, static_cast<std::uint8_t>(argc), arg});
    }
    void unary(Op op) {
        if (constantsAtEnd(1)) {
            Value r;
            const Value& a = constAt(1);
            if ((op == Op::Neg ? negate(a, r) : logicalNot(a, r)) == 0) return replaceEnd(1, r);
        }
        emit(op);
    }
    void binary(Op op) {
        if (constantsAtEnd(2)) {
            Value r;
            if (binaryOp(op, constAt(2), constAt(1), r) == 0) return replaceEnd(2, r);
        }
        if (op == Op::Pow && constantsAtEnd(1) && isTwo(constAt(1))) {
            p_.code.back() = Instr{Op::Square, 0, 0};
            return;
        }
        emit(op);
    }
    void builtin(int id, int argc) {
        if (constantsAtEnd(argc)) {
            std::vector<Value> args;
            for (int k = argc; k >= 1; --k)
                args.push_back(constAt(k));
            Value r;
            if (callBuiltin(id, args.data(), argc, r) == 0) return replaceEnd(argc, r);
        }
        emit(Op::CallBuiltin, id, argc);
    }
    size_t size() const { return p_.code.size(); }
    Instr& at(size_t k) { return p_.code[k]; }

  private:
    bool constantsAtEnd(int n) const {
        if (n == 0 || p_.code.size() < static_cast<size_t>(n)) return false;
        for (int k = 1; k <= n; ++k) {
            if (p_.code[p_.code.size() - k].op != Op::PushConst) return false;
        }
        return true;
    }
    const Value& constAt(int fromEnd) const {
        return p_.consts[p_.code[p_.code.size() - fromEnd].arg];
    }
    void replaceEnd(int n, Value v) {
        p_.code.resize(p_.code.size() - n);
        constant(std::move(v));
    }
    Program& p_;
};

class Parser {
  public:
    Parser(const std::vector<Token>& tokens, size_t& pos, Scope& scope, Program& out)
        : t_(tokens), pos_(pos), scope_(scope), out_(out) {}

    int parseBinary(int minPrecedence) {
        if (int e = parseOperand()) return e;
        for (;;) {
            auto op = binaryOperatorOf(cur());
            if (!op || op->precedence < minPrecedence) return 0;
            ++pos_;
            if (int e = parseBinary(op->precedence + 1)) return e;
            out_.binary(op->op);
        }
    }

  private:
    const Token& cur() const { return t_[pos_]; }
    const Token& next() const { return t_[std::min(pos_ + 1, t_.size() - 1)]; }
    int unexpected() const { return cur().type == Tok::Invalid ? cur().error : vbrt::kSyntaxError; }

    int parseOperand() {
        if (++depth_ > kMaxNesting) return vbrt::kOutOfStackSpace;
        int e = parsePrefixed();
        --depth_;
        return e;
    }

    int parsePrefixed() {
        const Token& t = cur();
        if (t.type == Tok::Minus || t.type == Tok::Plus) {
            ++pos_;
            if (int e = parseBinary(kSignPrecedence)) return e;
            if (t.type == Tok::Minus) out_.unary(Op::Neg);
            return 0;
        }
        if (t.type == Tok::Keyword && t.kw == Kw::Not) {
            ++pos_;
            if (int e = parseBinary(kNotPrecedence + 1)) return e;
            out_.unary(Op::Not);
            return 0;
        }
        return parsePrimary();
    }

    int parsePrimary() {
        const Token& t = cur();
        switch (t.type) {
            case Tok::Number:
            case Tok::String:
                out_.constant(t.literal);
                ++pos_;
                return 0;
            case Tok::LParen: {
                ++pos_;
                if (int e = parseBinary(0)) return e;
                if (cur().type != Tok::RParen) return unexpected();
                ++pos_;
                return 0;
            }
            case Tok::Name:
                return parseName();
            case Tok::Keyword:
                if (t.kw == Kw::True || t.kw == Kw::False) {
                    out_.constant(Value::boolean(t.kw == Kw::True));
                } else if (t.kw == Kw::Empty) {
                    out_.constant(Value{});
                } else {
                    return vbrt::kSyntaxError;
                }
                ++pos_;
                return 0;
            default:
                return unexpected();
        }
    }

    int parseName() {
        const std::string& name = cur().name;
        ++pos_;
        if (cur().type == Tok::LParen) return parseCall(name);
        if (auto slot = scope_.local(name)) {
            out_.emit(Op::PushLocal, *slot);
        } else if (int f = scope_.function(name); f >= 0) {
            out_.emit(Op::CallUser, f, 0);
        } else if (findBuiltin(name) >= 0) {
            out_.emit(Op::Fail, vbrt::kWrongArgumentCount);  // `sin` without its argument list
        } else {
            out_.emit(Op::PushGlobal, scope_.global(name));
        }
        return 0;
    }

    // name '(' args ')': a user function, a built-in, or an error 13 at run time.
    int parseCall(const std::string& name) {
        int user = scope_.function(name);
        int builtin = user < 0 ? findBuiltin(name) : -1;
        if (user < 0 && builtin < 0) user = scope_.placeholder(name);
        ++pos_;  // '('
        int argc = 0;
        if (cur().type != Tok::RParen) {
            for (;;) {
                if (++argc > kMaxArguments) return vbrt::kOutOfStackSpace;
                if (int e = parseArgument(user >= 0)) return e;
                if (cur().type != Tok::Comma) break;
                ++pos_;
            }
        }
        if (cur().type != Tok::RParen) return unexpected();
        ++pos_;
        if (user >= 0) {
            out_.emit(Op::CallUser, user, argc);
        } else if (builtin >= 0 && builtinAccepts(builtin, argc)) {
            out_.builtin(builtin, argc);
        } else {
            out_.emit(Op::Fail, builtin >= 0 ? vbrt::kWrongArgumentCount : vbrt::kTypeMismatch);
        }
        return 0;
    }

    // A bare variable handed to a user function is passed as a reference, so that a
    // by-reference parameter can bind to it.
    int parseArgument(bool toUser) {
        size_t start = out_.size();
        bool bare =
            cur().type == Tok::Name && (next().type == Tok::Comma || next().type == Tok::RParen);
        if (int e = parseBinary(0)) return e;
        if (toUser && bare && out_.size() == start + 1) {
            Instr& in = out_.at(start);
            if (in.op == Op::PushGlobal) in.op = Op::RefGlobal;
            if (in.op == Op::PushLocal) in.op = Op::RefLocal;
        }
        return 0;
    }

    const std::vector<Token>& t_;
    size_t& pos_;
    Scope& scope_;
    Emitter out_;
    int depth_ = 0;
};

}  // namespace

int compileExpression(const std::vector<Token>& tokens, size_t& pos, Scope& scope, Program& out) {
    Parser parser(tokens, pos, scope, out);
    if (int e = parser.parseBinary(0)) return e;
    measureDepth(out);
    return 0;
}

void measureDepth(Program& program) {
    program.maxDepth = deepestStack(program.code, [](const Instr& in) { return stackEffect(in); });
}

}  // namespace script
