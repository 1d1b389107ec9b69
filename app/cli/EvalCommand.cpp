// SPDX-License-Identifier: GPL-3.0-or-later
// funcurve-cli eval: evaluates expressions in an engine prepared as the plotters prepare it.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Subcommand.h"
#include "script/ExactPower.h"
#include "script/ScriptEngine.h"
#include "texts/Texts.h"
#include "vbrt/Variant.h"

namespace {

// One line per expression: TYPE<TAB>TEXT, or Error<TAB>N.
void PrintResult(const script::EvalResult& r) {
    if (r.error != 0) {
        std::printf("Error\t%d\n", r.error);
    } else {
        std::printf("%s\t%s\n", vbrt::TypeName(r.value.type), vbrt::ToText(r.value).c_str());
    }
}

void EvalLine(script::ScriptEngine& engine, std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    PrintResult(engine.TryEval(line));
}

bool IsAssignment(const std::string& s) {
    auto eq = s.find('=');
    return eq != std::string::npos && eq > 0;
}

int RunEval(const std::vector<std::string>& args) {
    script::ScriptEngine engine;
    engine.TryAddCode(script::kSpSource);
    for (const char* constant : script::kPlotConstants)
        engine.TryAddCode(constant);
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string& a = args[k];
        if (a == "--let" || a.rfind("--let=", 0) == 0) {
            std::string statement =
                a == "--let" ? (k + 1 < args.size() ? args[++k] : "") : a.substr(6);
            if (!IsAssignment(statement)) {
                std::fprintf(stderr, "%s\n",
                             texts::Fill(texts::kCliLetNeedsAssignment, {}).c_str());
                return 2;
            }
            if (int e = engine.TryAddCode(statement)) {
                std::fprintf(stderr, "--let %s: Error %d\n", statement.c_str(), e);
                return 2;
            }
        } else if (a == "-") {
            std::fflush(stdout);
            for (std::string line; std::getline(std::cin, line);)
                EvalLine(engine, line);
        } else {
            EvalLine(engine, a);
        }
    }
    return 0;
}

const bool registered = cli::RegisterSubcommand({
    "eval",
    "[--let NAME=NUMBER]... EXPR...",
    "依次计算表达式（已载入 sp 函数，e= 2.71828，p= 3.1415926），每个输出一行：类型<TAB>值 或 "
    "Error<TAB>错误号；EXPR 为 - 时从标准输入逐行读取表达式。",
    "Evaluate each EXPR (sp defined, e= 2.71828, p= 3.1415926 assigned, as the plotters do); "
    "one line each: TYPE<TAB>TEXT or Error<TAB>N; an EXPR of - reads expressions from stdin.",
    RunEval,
});

}  // namespace
