// SPDX-License-Identifier: GPL-3.0-or-later
#include "script/ExpressionCheck.h"

#include <algorithm>
#include <optional>

#include "script/Compiler.h"
#include "script/Lexer.h"
#include "vbrt/RuntimeError.h"

namespace script {
namespace {

// How a text parses does not depend on what its names are: compile against none.
struct NoNames : Scope {
    std::optional<int> local(const std::string&) override { return std::nullopt; }
    int global(const std::string&) override { return 0; }
    int function(const std::string&) override { return -1; }
    int placeholder(const std::string&) override { return -1; }
};

}  // namespace

ExpressionCheck checkExpression(std::string_view text) {
    ExpressionCheck check;
    const std::vector<Token> tokens = tokenize(text);
    size_t pos = 0;
    NoNames scope;
    Program program;
    check.error = compileExpression(tokens, pos, scope, program);
    pos = std::min(pos, tokens.size() - 1);
    if (check.error == 0 && tokens[pos].type != Tok::End)
        check.error = tokens[pos].type == Tok::Invalid ? tokens[pos].error : vbrt::kSyntaxError;
    if (check.error != 0) {
        check.offset = tokens[pos].offset;
        check.length = tokens[pos].length;
        return check;
    }
    for (size_t k = 0; k + 1 < tokens.size(); ++k) {
        const Token& t = tokens[k];
        if (t.type == Tok::Name)
            check.names.push_back({t.name, t.offset, t.length, tokens[k + 1].type == Tok::LParen});
    }
    return check;
}

}  // namespace script
