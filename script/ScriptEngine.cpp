// SPDX-License-Identifier: GPL-3.0-or-later
#include "script/ScriptEngine.h"

#include <vector>

#include "script/Builtins.h"
#include "script/Convert.h"
#include "script/EvalCache.h"
#include "script/Fast.h"
#include "script/FastAssign.h"
#include "script/Lexer.h"
#include "script/Machine.h"
#include "script/Names.h"
#include "script/Operators.h"
#include "script/Statements.h"
#include "vbrt/RuntimeError.h"

namespace script {

namespace {
// Longest source or expression text accepted; longer texts fail at once with error 7.
constexpr size_t kMaxTextLength = 1u << 20;
}  // namespace

struct ScriptEngine::Impl : Definitions {
    Machine machine;
    NameTable globals;
    NameTable functions;
    EvalCache cache;

    // Name lookup for Eval texts (no forward references to functions) and for the global
    // statements of AddCode (which may call functions defined further down).
    struct GlobalScope : Scope {
        Impl& impl;
        bool forward;
        GlobalScope(Impl& i, bool f) : impl(i), forward(f) {}
        std::optional<int> local(const std::string&) override { return std::nullopt; }
        int global(const std::string& name) override { return impl.global(name); }
        int function(const std::string& name) override { return impl.function(name); }
        int placeholder(const std::string& name) override {
            return forward ? impl.functionEntry(name) : -1;
        }
    };
    GlobalScope evalScope{*this, false};
    GlobalScope sourceScope{*this, true};

    Scope& globalScope() override { return sourceScope; }

    int global(const std::string& name) override {
        int slot = globals.intern(name, static_cast<int>(machine.globals.size()));
        if (slot == static_cast<int>(machine.globals.size())) machine.globals.emplace_back();
        return slot;
    }
    int functionEntry(const std::string& name) override {
        int index = functions.intern(name, static_cast<int>(machine.functions.size()));
        if (index == static_cast<int>(machine.functions.size())) {
            machine.functions.push_back(std::make_unique<Function>());
            machine.functions.back()->name = name;
        }
        return index;
    }
    int function(const std::string& name) override {
        int index = functions.find(name);
        return index >= 0 && machine.functions[index]->defined ? index : -1;
    }

    // read: the text's reading as NAME=NUMBER when it has been read before.
    int addCode(std::string_view source, const FastAssignment* read = nullptr) {
        if (source.size() > kMaxTextLength) return vbrt::kOutOfMemory;
        FastAssignment fast;
        if (read == nullptr && parseFastAssignment(source, fast)) read = &fast;
        if (read != nullptr && assign(*read)) return 0;
        CompiledSource compiled;
        if (int e = compileSource(tokenize(source), *this, compiled)) return e;
        for (auto& [index, f] : compiled.functions) {
            if (!machine.functions[index]->defined) cache.clear();
            *machine.functions[index] = std::move(f);
        }
        machine.begin();
        return machine.exec(compiled.global, nullptr);
    }

    // NAME=NUMBER without a parse; false for a reserved word or the name of a built-in or
    // script function, which take the full path (and fail there).
    bool assign(const FastAssignment& fast) {
        int slot = globals.findPadded(fast.name, fast.length);
        if (slot < 0) {
            std::string name(fast.nameView());
            if (isReservedWord(name) || findBuiltin(name) >= 0 || function(name) >= 0) return false;
            slot = global(name);
        }
        Value& target = machine.globals[slot];
        const Decimal& d = fast.number;
        if (d.kind == Kind::Double) {
            target.kind = Kind::Double;
            target.d = fast.negative ? -d.real : d.real;
            target.s.reset();
            return true;
        }
        Value whole = d.kind == Kind::Integer ? Value::integer(d.whole) : Value::longValue(d.whole);
        if (fast.negative) negate(Value(whole), whole);
        target = std::move(whole);
        return true;
    }

    CompiledEval* compiled(std::string_view text) {
        if (CompiledEval* hit = cache.find(text)) return hit;
        auto entry = std::make_unique<CompiledEval>();
        std::vector<Token> tokens = tokenize(text);
        size_t pos = 0;
        entry->error = compileExpression(tokens, pos, evalScope, entry->program);
        if (entry->error == 0 && tokens[pos].type != Tok::End) {
            entry->error =
                tokens[pos].type == Tok::Invalid ? tokens[pos].error : vbrt::kSyntaxError;
        }
        if (entry->error == 0) entry->hasFast = buildFast(entry->program, entry->fast);
        return cache.insert(text, std::move(entry));
    }

    // The per-sample case: the same text as last time, with an all-numbers form. False when
    // the text must be looked up. A variable of another kind sends the entry to the general
    // machine without the text, so that the text is not kept across the run.
    bool evalQuick(std::string_view text, EvalResult& result) {
        const CompiledEval* c = cache.lastFast(text);
        if (!c) return false;
        result.error = c->fast.run(c->fast, machine.globals.data(), result.value);
        if (result.error < 0) [[unlikely]]
            result.error = runGeneral(*c, result.value);
        return true;
    }

    [[gnu::noinline]] int eval(std::string_view text, vbrt::Variant& out) {
        if (text.size() > kMaxTextLength) return vbrt::kOutOfMemory;
        CompiledEval* c = compiled(text);
        if (c->error) return c->error;
        if (c->hasFast) {
            if (int e = c->fast.run(c->fast, machine.globals.data(), out); e >= 0) return e;
        }
        return runGeneral(*c, out);
    }

    [[gnu::noinline]] int runGeneral(const CompiledEval& c, vbrt::Variant& out) {
        machine.begin();
        Value v;
        int e = machine.run(c.program, nullptr, v);
        if (e == 0) out = toVariant(v);
        return e;
    }

    int run(std::string_view name, std::span<const vbrt::Variant> args, Value& out) {
        int index = functions.find(lowerName(name));
        if (index < 0 || !machine.functions[index]->defined) return vbrt::kTypeMismatch;
        std::vector<Value> values;
        for (const auto& a : args)
            values.push_back(fromVariant(a));
        machine.begin();
        return machine.callWith(index, values.data(), static_cast<int>(values.size()), out);
    }
};

ScriptEngine::ScriptEngine() : impl_(std::make_unique<Impl>()) {}
ScriptEngine::~ScriptEngine() = default;

namespace {
[[noreturn]] void raise(int number) {
    throw vbrt::RuntimeError(number);
}
}  // namespace

void ScriptEngine::AddCode(std::string_view source) {
    if (int e = impl_->addCode(source)) raise(e);
}

vbrt::Variant ScriptEngine::Eval(std::string_view expression) {
    EvalResult result = TryEval(expression);
    if (result.error) raise(result.error);
    return std::move(result.value);
}

vbrt::Variant ScriptEngine::Run(std::string_view name, std::span<const vbrt::Variant> args) {
    Value v;
    if (int e = impl_->run(name, args, v)) raise(e);
    return toVariant(v);
}

bool ScriptEngine::IsFunction(std::string_view name) {
    const std::string lower = lowerName(name);
    return findBuiltin(lower) >= 0 || impl_->function(lower) >= 0;
}

int ScriptEngine::TryAddCode(std::string_view source) noexcept {
    return impl_->addCode(source);
}

int ScriptEngine::TryAddCode(const ParsedCode& code) noexcept {
    return impl_->addCode(code.text(), code.assignment());
}

EvalResult ScriptEngine::TryEval(std::string_view expression) noexcept {
    EvalResult result;
    if (!impl_->evalQuick(expression, result)) result.error = impl_->eval(expression, result.value);
    return result;
}

}  // namespace script
