// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "plotter/TracedText.h"
#include "script/ScriptEngine.h"

namespace plotter {

// What keeps a typed equation from being plotted, with its place in the typed text (bytes).
struct EquationProblem {
    enum class Kind {
        Syntax,            // a token that cannot stand there
        InvalidCharacter,  // a character that starts no token
        MissingBefore,     // a part ends too early, at the character quoted
        MissingAfter,      // the text ends too early, after the character quoted
        UnknownName,       // neither a variable of the plot nor a function
    };
    Kind kind;
    std::size_t offset = 0;
    std::size_t length = 0;
};

// The parts of the normalised equation that its plotter evaluates, compiled without being
// run: the first syntax error, else the first name that the plot does not define (its
// variables, a, b, e, p) and that is no function of the engine (built-ins and the sample
// functions, which this adds). nullopt: the plot may start; run-time failures are left to
// its samples, as is a text too deep to compile.
std::optional<EquationProblem> CheckEquation(std::string_view typed, const TracedText& normalized,
                                             script::ScriptEngine& engine);

}  // namespace plotter
