// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "script/ParsedCode.h"
#include "vbrt/Variant.h"

namespace script {

// Result of a non-throwing call: error is 0 on success, else the platform's error number.
struct EvalResult {
    vbrt::Variant value;
    int error = 0;
};

// Stands in for the platform's VBScript control. One engine lives as long as the window and
// is never reset: names and functions added by any AddCode stay. User text can compute and
// nothing else. Every failure is a vbrt::RuntimeError (throwing forms) or an error number
// (Try forms, which the plotters use in their hot loops).
class ScriptEngine {
  public:
    ScriptEngine();
    ~ScriptEngine();
    ScriptEngine(const ScriptEngine&) = delete;
    ScriptEngine& operator=(const ScriptEngine&) = delete;

    // Runs statements in the global scope (assignments, Function definitions, If, ...).
    void AddCode(std::string_view source);
    // Value of one expression; the compiled form of a text is cached.
    vbrt::Variant Eval(std::string_view expression);
    // Calls a script function by name with the given arguments.
    vbrt::Variant Run(std::string_view name, std::span<const vbrt::Variant> args);

    // Whether a name (any case) calls something: a built-in or a script function defined so far.
    bool IsFunction(std::string_view name);

    int TryAddCode(std::string_view source) noexcept;
    int TryAddCode(const ParsedCode& code) noexcept;
    EvalResult TryEval(std::string_view expression) noexcept;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace script
