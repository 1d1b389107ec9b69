// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "script/Value.h"

namespace script {

enum class Tok : std::uint8_t {
    End,
    Newline,  // line break or ':'
    Number,
    String,
    Name,
    Keyword,
    Plus,
    Minus,
    Star,
    Slash,
    Backslash,
    Caret,
    Amp,
    Eq,
    Ne,
    Lt,
    Gt,
    Le,
    Ge,
    LParen,
    RParen,
    Comma,
    Invalid,  // carries the error number in `error`
};

enum class Kw : std::uint8_t {
    None,
    And,
    Or,
    Not,
    Xor,
    Eqv,
    Imp,
    Mod,
    True,
    False,
    Empty,
    If,
    Then,
    Else,
    ElseIf,
    End,
    Function,
    Sub,
    Exit,
    Dim,
    Call,
    ByVal,
    ByRef,
    Is,
    Set,
    Class,
    Option,
    Rem,  // a comment to the line's end; never reaches the parser (keep last)
};

struct Token {
    Tok type = Tok::End;
    Kw kw = Kw::None;
    int error = 0;
    bool colon = false;      // a Newline written as ':' (statement separator on one line)
    std::size_t offset = 0;  // where the token starts in the text (End: the text's length)
    std::size_t length = 0;  // bytes it takes (Invalid: the bytes of the offending character)
    std::string name;        // lower-case spelling of a name
    Value literal;           // value of a number or string literal
};

// Splits a script text into tokens. Lexing stops at the first character that cannot start
// a token (an Invalid token, then End), so the parser reports errors in text order.
std::vector<Token> tokenize(std::string_view text);

// Reads a decimal literal ("2", ".5", "1.5E-3") at text[pos...]; advances pos. Whole
// numbers become Integer, Long or Double by size. Returns 0 or an error number.
int readDecimal(std::string_view text, size_t& pos, Value& out);

// The keyword a lower-case word spells, or Kw::None: the one list of reserved words, for the
// lexer and the quick assignment path alike.
Kw keywordOf(std::string_view lower);
// Whether a lower-case word is reserved (cannot be a variable).
inline bool isReservedWord(std::string_view lower) {
    return keywordOf(lower) != Kw::None;
}

inline bool isNameStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
inline bool isNameChar(char c) {
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '_';
}

}  // namespace script
