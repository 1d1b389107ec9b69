// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the script engine: random text through Eval and AddCode.
//
// The first byte picks the route; the rest is the text (for the mixed route, the part before
// the first line feed is AddCode'd and the rest evaluated; a fourth route compares the
// all-numbers path with the general machine). Besides the sanitizers it checks
// that no infinity or NaN escapes, that a cached Eval repeats its answer, and that the
// throwing and the non-throwing forms agree.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "script/Compiler.h"
#include "script/ExactPower.h"
#include "script/Fast.h"
#include "script/Lexer.h"
#include "script/Machine.h"
#include "script/ScriptEngine.h"
#include "vbrt/RuntimeError.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool same(const script::EvalResult& a, const script::EvalResult& b) {
    if (a.error != b.error) return false;
    if (a.error) return true;
    const vbrt::Variant &x = a.value, &y = b.value;
    return x.type == y.type && x.whole == y.whole && x.text == y.text &&
           (x.real == y.real || (std::isnan(x.real) && std::isnan(y.real)));
}

void checkEval(script::ScriptEngine& engine, std::string_view text) {
    const script::EvalResult first = engine.TryEval(text);
    if (first.error == 0 && first.value.type == vbrt::VarType::Double) {
        require(std::isfinite(first.value.real));
    }
    require(same(first, engine.TryEval(text)));
    try {
        const vbrt::Variant v = engine.Eval(text);
        require(first.error == 0 && same(first, {v, 0}));
    } catch (const vbrt::RuntimeError& e) {
        require(first.error == e.number());
    }
}

// Globals x and y; calls to script functions are not available here.
class TwoVariables : public script::Scope {
  public:
    std::optional<int> local(const std::string&) override { return std::nullopt; }
    int global(const std::string& name) override { return name == "x" ? 0 : name == "y" ? 1 : 2; }
    int function(const std::string&) override { return -1; }
    int placeholder(const std::string&) override { return -1; }
};

// The all-numbers path must agree with the general machine wherever it applies.
void checkFastPath(std::string_view text) {
    const std::vector<script::Token> tokens = script::tokenize(text);
    size_t pos = 0;
    TwoVariables scope;
    script::Program program;
    if (script::compileExpression(tokens, pos, scope, program) != 0) return;
    script::FastProgram fast;
    if (!script::buildFast(program, fast)) return;
    script::Machine machine;
    machine.globals.resize(3);
    // 0.1 and 0.3 make inexact products, so a fused multiply-add would round differently.
    const double samples[] = {-2.5, 0, 0.1, 0.3, 0.75, 3, 1e300};
    for (double x : samples) {
        machine.globals[0] = script::Value::number(x);
        machine.globals[1] = script::Value::number(0.5 - x);
        script::Value general;
        machine.begin();
        const int generalError = machine.run(program, nullptr, general);
        double r = 0;
        const int fastError = script::runFast(fast, machine.globals.data(), r);
        if (fastError < 0) continue;  // a variable that is not a Double: not its case
        require(fastError == generalError);
        if (fastError) continue;
        require(general.kind == fast.result);
        require(fast.result == script::Kind::Double ? general.d == r && std::isfinite(r)
                                                    : general.i == static_cast<int>(r));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    script::ScriptEngine engine;
    engine.TryAddCode(script::kSpSource);
    engine.TryAddCode("X=-1.5");
    engine.TryAddCode("Y=0.25");
    engine.TryAddCode("e= 2.71828");
    engine.TryAddCode("p= 3.1415926");
    switch (data[0] % 4) {
        case 0:
            checkEval(engine, text);
            break;
        case 1:
            engine.TryAddCode(text);
            checkEval(engine, "x+y");
            break;
        case 3:
            checkFastPath(text);
            break;
        default: {
            const size_t cut = text.find('\n');
            engine.TryAddCode(text.substr(0, cut));
            if (cut != std::string_view::npos) checkEval(engine, text.substr(cut + 1));
            break;
        }
    }
    return 0;
}
