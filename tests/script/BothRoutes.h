// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <map>
#include <string>
#include <vector>

#include "script/Compiler.h"
#include "script/Convert.h"
#include "script/Fast.h"
#include "script/Lexer.h"
#include "script/Machine.h"

// Every name is a global variable of its own, numbered as first met; no functions.
class NumericGlobals : public script::Scope {
  public:
    std::optional<int> local(const std::string&) override { return std::nullopt; }
    int global(const std::string& name) override {
        auto [it, fresh] = slots_.emplace(name, static_cast<int>(names.size()));
        if (fresh) names.push_back(name);
        return it->second;
    }
    int function(const std::string&) override { return -1; }
    int placeholder(const std::string&) override { return -1; }
    std::vector<std::string> names;  // by slot

  private:
    std::map<std::string, int> slots_;
};

// One expression compiled for both routes.
struct CompiledText {
    int error = 0;
    script::Program program;
    script::FastProgram fast;
    bool hasFast = false;
    NumericGlobals scope;
};

inline void compileText(const std::string& text, CompiledText& out) {
    const std::vector<script::Token> tokens = script::tokenize(text);
    size_t pos = 0;
    out.error = script::compileExpression(tokens, pos, out.scope, out.program);
    if (out.error == 0 && tokens[pos].type != script::Tok::End) out.error = -1;
    if (out.error == 0) out.hasFast = script::buildFast(out.program, out.fast);
}

// "kind text" or "Error n", with Doubles to the last bit.
inline QString describeValue(int error, const script::Value& v) {
    if (error) return QStringLiteral("Error %1").arg(error);
    if (v.kind == script::Kind::Double) return QStringLiteral("Double %1").arg(v.d, 0, 'g', 17);
    return QStringLiteral("%1 %2").arg(int(v.kind)).arg(QString::fromStdString(script::toText(v)));
}

// Empty when the all-numbers form (if the text has one) and the general machine agree on
// value, kind and error for every pair of samples given to the variables (alternately);
// else the first disagreement.
inline QString routesDisagree(const CompiledText& c, const std::vector<double>& samples) {
    if (c.error || !c.hasFast) return {};
    script::Machine machine;
    machine.globals.resize(c.scope.names.size());
    for (double a : samples) {
        for (double b : samples) {
            for (size_t k = 0; k < machine.globals.size(); ++k)
                machine.globals[k] = script::Value::number(k % 2 == 0 ? a : b);
            script::Value general;
            machine.begin();
            const int generalError = machine.run(c.program, nullptr, general);
            double r = 0;
            const int fastError = script::runFast(c.fast, machine.globals.data(), r);
            const script::Value quick =
                c.fast.result == script::Kind::Double
                    ? script::Value::number(r)
                    : script::Value::whole(c.fast.result, static_cast<int>(r));
            const QString fast = describeValue(fastError, quick);
            const QString slow = describeValue(generalError, general);
            if (fastError < 0 || fast != slow) {
                return QStringLiteral("at %1, %2: fast %3, general %4")
                    .arg(a)
                    .arg(b)
                    .arg(fast, slow);
            }
        }
    }
    return {};
}
