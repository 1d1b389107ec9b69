// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace script {

// A name an expression mentions, where it stands in the text.
struct NameUse {
    std::string name;  // lower case
    std::size_t offset = 0;
    std::size_t length = 0;
    bool called = false;  // followed by "(": a function call
};

// An expression read as Eval reads it, without running it, so a caller can say what is wrong
// and where before anything is computed.
struct ExpressionCheck {
    int error = 0;               // 0, or the number compiling gives (1002 syntax, 1032 invalid …)
    std::size_t offset = 0;      // where it fails: a token's start, the text's length at its end
    std::size_t length = 0;      // bytes of that token (0 at the end)
    std::vector<NameUse> names;  // in text order, when there is no error
};

ExpressionCheck checkExpression(std::string_view text);

}  // namespace script
