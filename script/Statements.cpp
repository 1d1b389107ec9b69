// SPDX-License-Identifier: GPL-3.0-or-later
#include "script/Statements.h"

#include <algorithm>
#include <map>

#include "script/Builtins.h"
#include "vbrt/RuntimeError.h"

namespace script {

namespace {

// Names of one function being compiled: its own name (the return value), parameters and
// Dim'd locals; everything else is global.
class FunctionScope : public Scope {
  public:
    FunctionScope(Definitions& defs, Function& f) : defs_(defs), f_(f) { add(f.name); }
    int add(const std::string& name) {
        auto [it, fresh] = slots_.emplace(name, static_cast<int>(slots_.size()));
        if (fresh) f_.localCount = static_cast<int>(slots_.size());
        return it->second;
    }
    bool has(const std::string& name) const { return slots_.count(name) != 0; }
    std::optional<int> local(const std::string& name) override {
        auto it = slots_.find(name);
        if (it == slots_.end()) return std::nullopt;
        return it->second;
    }
    int global(const std::string& name) override { return defs_.global(name); }
    int function(const std::string& name) override { return defs_.function(name); }
    int placeholder(const std::string& name) override { return defs_.functionEntry(name); }

  private:
    Definitions& defs_;
    Function& f_;
    std::map<std::string, int> slots_;
};

struct OpenIf {
    size_t pendingFalseJump;  // JumpIfFalse still to be aimed, or npos
    std::vector<size_t> endJumps;
    bool hadElse = false;
};

constexpr size_t kNone = static_cast<size_t>(-1);

class SourceCompiler {
  public:
    SourceCompiler(const std::vector<Token>& tokens, Definitions& defs, CompiledSource& out)
        : t_(tokens), defs_(defs), out_(out), body_(&out.global) {}

    int compile() {
        for (;;) {
            skipNewlines();
            if (cur().type == Tok::End) break;
            if (int e = statement()) return e;
            if (int e = endOfStatement()) return e;
        }
        return (ifs_.empty() && !function_) ? 0 : vbrt::kSyntaxError;
    }

  private:
    const Token& cur() const { return t_[pos_]; }
    const Token& peek() const { return t_[std::min(pos_ + 1, t_.size() - 1)]; }
    bool isKw(Kw kw) const { return cur().type == Tok::Keyword && cur().kw == kw; }
    bool isKw(const Token& t, Kw kw) const { return t.type == Tok::Keyword && t.kw == kw; }
    int unexpected() const { return cur().type == Tok::Invalid ? cur().error : vbrt::kSyntaxError; }
    Scope& scope() {
        return function_ ? static_cast<Scope&>(*functionScope_) : defs_.globalScope();
    }
    size_t here() const { return body_->ops.size(); }

    void skipNewlines() {
        while (cur().type == Tok::Newline)
            ++pos_;
    }
    int endOfStatement() {
        if (cur().type == Tok::Newline || cur().type == Tok::End) return 0;
        return unexpected();
    }

    int expression(int& index) {
        Program p;
        if (int e = compileExpression(t_, pos_, scope(), p)) return e;
        body_->exprs.push_back(std::move(p));
        index = static_cast<int>(body_->exprs.size() - 1);
        return 0;
    }
    size_t emit(StatementOp op) {
        body_->ops.push_back(op);
        return body_->ops.size() - 1;
    }

    int statement() {
        if (cur().type == Tok::Keyword) {
            switch (cur().kw) {
                case Kw::Function:
                    return functionDefinition();
                case Kw::If:
                    return ifStatement();
                case Kw::ElseIf:
                    return elseIfClause();
                case Kw::Else:
                    return elseClause();
                case Kw::End:
                    return endClause();
                default:
                    break;
            }
        }
        return simpleStatement();
    }

    // Statements allowed anywhere, also after Then on one line.
    int simpleStatement() {
        if (isKw(Kw::Exit)) {
            ++pos_;
            if (!isKw(Kw::Function) || !function_) return vbrt::kSyntaxError;
            ++pos_;
            emit({StatementOp::Kind::Exit});
            return 0;
        }
        if (isKw(Kw::Dim)) return dimStatement();
        if (isKw(Kw::Call)) {
            ++pos_;
            if (cur().type != Tok::Name) return unexpected();
            StatementOp op{StatementOp::Kind::Discard};
            if (int e = expression(op.expr)) return e;
            emit(op);
            return 0;
        }
        if (cur().type == Tok::Name && peek().type == Tok::Eq) return assignment();
        return unexpected();
    }

    int assignment() {
        std::string name = cur().name;
        pos_ += 2;
        StatementOp op{StatementOp::Kind::Assign};
        if (int e = expression(op.expr)) return e;
        auto slot = scope().local(name);
        if (!slot && namesProcedure(name)) return refuseAssignment(op);
        op.local = slot.has_value();
        op.slot = slot ? *slot : defs_.global(name);
        emit(op);
        return 0;
    }

    // Whether a name is a built-in or a script function (this source's ones included).
    bool namesProcedure(const std::string& name) {
        if (findBuiltin(name) >= 0 || scope().function(name) >= 0) return true;
        return std::any_of(out_.functions.begin(), out_.functions.end(),
                           [&](const auto& f) { return f.second.name == name; });
    }

    // The value is computed, then the assignment fails at run time, as on the platform.
    int refuseAssignment(StatementOp op) {
        body_->exprs[op.expr].code.push_back(Instr{Op::Fail, 0, vbrt::kIllegalAssignment});
        op.kind = StatementOp::Kind::Discard;
        emit(op);
        return 0;
    }

    int dimStatement() {
        ++pos_;
        for (;;) {
            if (cur().type != Tok::Name) return unexpected();
            if (function_) {
                functionScope_->add(cur().name);
            } else if (!namesProcedure(cur().name)) {
                defs_.global(cur().name);  // a procedure's name never becomes a variable
            }
            ++pos_;
            if (cur().type != Tok::Comma) return 0;
            ++pos_;
        }
    }

    int ifStatement() {
        ++pos_;
        StatementOp test{StatementOp::Kind::JumpIfFalse};
        if (int e = expression(test.expr)) return e;
        if (!isKw(Kw::Then)) return unexpected();
        ++pos_;
        size_t jump = emit(test);
        if (cur().type == Tok::Newline && !cur().colon) {
            ifs_.push_back({jump, {}});
            return 0;
        }
        return singleLineIf(jump);
    }

    // If c Then s1 : s2 Else s3 : s4, all on one line.
    int singleLineIf(size_t falseJump) {
        size_t endJump = kNone;
        bool inElse = false;
        for (;;) {
            if (int e = simpleStatement()) return e;
            if (cur().type == Tok::Newline && cur().colon) {
                ++pos_;
                continue;
            }
            if (isKw(Kw::Else) && !inElse) {
                ++pos_;
                endJump = emit({StatementOp::Kind::Jump});
                body_->ops[falseJump].target = static_cast<int>(here());
                inElse = true;
                continue;
            }
            break;
        }
        if (!inElse) body_->ops[falseJump].target = static_cast<int>(here());
        if (endJump != kNone) body_->ops[endJump].target = static_cast<int>(here());
        return 0;
    }

    // Closes the current branch of the innermost block If: jump to its end, then aim the
    // pending false-jump at what follows.
    int closeBranch() {
        if (ifs_.empty() || ifs_.back().hadElse) return vbrt::kSyntaxError;
        OpenIf& open = ifs_.back();
        open.endJumps.push_back(emit({StatementOp::Kind::Jump}));
        body_->ops[open.pendingFalseJump].target = static_cast<int>(here());
        open.pendingFalseJump = kNone;
        return 0;
    }

    int elseIfClause() {
        if (int e = closeBranch()) return e;
        ++pos_;
        StatementOp test{StatementOp::Kind::JumpIfFalse};
        if (int e = expression(test.expr)) return e;
        if (!isKw(Kw::Then)) return unexpected();
        ++pos_;
        ifs_.back().pendingFalseJump = emit(test);
        return 0;
    }

    int elseClause() {
        if (int e = closeBranch()) return e;
        ++pos_;
        ifs_.back().hadElse = true;
        return 0;
    }

    int endClause() {
        ++pos_;
        if (isKw(Kw::If)) {
            ++pos_;
            if (ifs_.empty()) return vbrt::kSyntaxError;
            OpenIf open = ifs_.back();
            ifs_.pop_back();
            int end = static_cast<int>(here());
            if (open.pendingFalseJump != kNone) body_->ops[open.pendingFalseJump].target = end;
            for (size_t j : open.endJumps)
                body_->ops[j].target = end;
            return 0;
        }
        if (isKw(Kw::Function)) {
            ++pos_;
            if (!function_ || !ifs_.empty()) return vbrt::kSyntaxError;
            out_.functions.emplace_back(functionIndex_, std::move(*function_));
            function_.reset();
            functionScope_.reset();
            body_ = &out_.global;
            ifs_ = std::move(outerIfs_);
            return 0;
        }
        return unexpected();
    }

    int functionDefinition() {
        if (function_ || !ifs_.empty()) return vbrt::kSyntaxError;
        ++pos_;
        if (cur().type != Tok::Name) return unexpected();
        function_ = std::make_unique<Function>();
        function_->name = cur().name;
        function_->defined = true;
        functionIndex_ = defs_.functionEntry(cur().name);
        functionScope_ = std::make_unique<FunctionScope>(defs_, *function_);
        ++pos_;
        if (int e = parameters()) return e;
        body_ = &function_->body;
        outerIfs_ = std::move(ifs_);
        ifs_.clear();
        return 0;
    }

    int parameters() {
        if (cur().type != Tok::LParen) return 0;
        ++pos_;
        if (cur().type == Tok::RParen) return ++pos_, 0;
        for (;;) {
            bool byRef = true;
            if (isKw(Kw::ByVal) || isKw(Kw::ByRef)) {
                byRef = isKw(Kw::ByRef);
                ++pos_;
            }
            if (cur().type != Tok::Name || functionScope_->has(cur().name)) return unexpected();
            functionScope_->add(cur().name);
            function_->byRef.push_back(byRef);
            ++pos_;
            if (cur().type == Tok::RParen) return ++pos_, 0;
            if (cur().type != Tok::Comma) return unexpected();
            ++pos_;
        }
    }

    const std::vector<Token>& t_;
    Definitions& defs_;
    CompiledSource& out_;
    Body* body_;
    size_t pos_ = 0;
    std::vector<OpenIf> ifs_, outerIfs_;
    std::unique_ptr<Function> function_;
    std::unique_ptr<FunctionScope> functionScope_;
    int functionIndex_ = -1;
};

}  // namespace

int compileSource(const std::vector<Token>& tokens, Definitions& defs, CompiledSource& out) {
    return SourceCompiler(tokens, defs, out).compile();
}

}  // namespace script
