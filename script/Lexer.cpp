// SPDX-License-Identifier: GPL-3.0-or-later
#include "script/Lexer.h"

#include <iterator>

#include "script/Decimal.h"
#include "vbrt/Distinct.h"
#include "vbrt/RuntimeError.h"

namespace script {

namespace {

constexpr size_t kMaxNameLength = 255;

struct KeywordEntry {
    const char* text;
    Kw kw;
};

constexpr KeywordEntry kKeywords[] = {
    {"and", Kw::And},     {"or", Kw::Or},         {"not", Kw::Not}, {"xor", Kw::Xor},
    {"eqv", Kw::Eqv},     {"imp", Kw::Imp},       {"mod", Kw::Mod}, {"true", Kw::True},
    {"false", Kw::False}, {"empty", Kw::Empty},   {"if", Kw::If},   {"then", Kw::Then},
    {"else", Kw::Else},   {"elseif", Kw::ElseIf}, {"end", Kw::End}, {"function", Kw::Function},
    {"sub", Kw::Sub},     {"exit", Kw::Exit},     {"dim", Kw::Dim}, {"call", Kw::Call},
    {"byval", Kw::ByVal}, {"byref", Kw::ByRef},   {"is", Kw::Is},   {"set", Kw::Set},
    {"class", Kw::Class}, {"option", Kw::Option}, {"rem", Kw::Rem},
};
// Every keyword has its row (Kw::None has none; Kw::Rem is the last).
static_assert(std::size(kKeywords) == static_cast<size_t>(Kw::Rem));
static_assert(vbrt::AllDistinct(kKeywords, [](const KeywordEntry& k) { return k.kw; }) &&
                  vbrt::AllDistinct(kKeywords,
                                    [](const KeywordEntry& k) { return std::string_view(k.text); }),
              "a keyword is listed twice");

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
char lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c + 32) : c;
}

int hexDigit(char c, int base) {
    int v = isDigit(c) ? c - '0' : (lower(c) >= 'a' && lower(c) <= 'f') ? lower(c) - 'a' + 10 : 99;
    return v < base ? v : -1;
}

// &H / &O literal at text[pos] == '&'; up to 16 bits wraps as 16-bit, more (or a trailing
// '&') as 32-bit; then, as for any literal, Integer when the value fits 16 bits, else Long.
int readRadix(std::string_view text, size_t& pos, Value& out) {
    int base = lower(text[pos + 1]) == 'h' ? 16 : 8;
    size_t p = pos + 2;
    std::uint64_t value = 0;
    size_t digits = 0;
    for (; p < text.size() && hexDigit(text[p], base) >= 0; ++p, ++digits) {
        value = value * base + hexDigit(text[p], base);
        if (value > 0xFFFFFFFFull) return vbrt::kOverflow;
    }
    if (digits == 0) return vbrt::kSyntaxError;
    bool longSuffix = p < text.size() && text[p] == '&';
    if (longSuffix) ++p;
    pos = p;
    std::int32_t whole = !longSuffix && value <= 0xFFFF
                             ? static_cast<std::int16_t>(value)
                             : static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    out =
        whole == static_cast<std::int16_t>(whole) ? Value::integer(whole) : Value::longValue(whole);
    return 0;
}

int readString(std::string_view text, size_t& pos, Value& out) {
    std::string s;
    size_t p = pos + 1;
    for (;;) {
        if (p >= text.size() || text[p] == '\n' || text[p] == '\r') return vbrt::kSyntaxError;
        if (text[p] == '"') {
            if (p + 1 < text.size() && text[p + 1] == '"') {
                s += '"';
                p += 2;
                continue;
            }
            break;
        }
        s += text[p++];
    }
    pos = p + 1;
    out = Value::text(std::move(s));
    return 0;
}

void skipToLineEnd(std::string_view text, size_t& pos) {
    while (pos < text.size() && text[pos] != '\n' && text[pos] != '\r')
        ++pos;
}

// A '_' followed by blanks and a line break joins two lines.
bool skipContinuation(std::string_view text, size_t& pos) {
    size_t p = pos + 1;
    while (p < text.size() && (text[p] == ' ' || text[p] == '\t'))
        ++p;
    if (p >= text.size() || (text[p] != '\n' && text[p] != '\r')) return false;
    if (text[p] == '\r' && p + 1 < text.size() && text[p + 1] == '\n') ++p;
    pos = p + 1;
    return true;
}

Tok operatorToken(std::string_view text, size_t& pos) {
    char c = text[pos];
    char n = pos + 1 < text.size() ? text[pos + 1] : '\0';
    ++pos;
    switch (c) {
        case '+':
            return Tok::Plus;
        case '-':
            return Tok::Minus;
        case '*':
            return Tok::Star;
        case '/':
            return Tok::Slash;
        case '\\':
            return Tok::Backslash;
        case '^':
            return Tok::Caret;
        case '&':
            return Tok::Amp;
        case '=':
            return Tok::Eq;
        case '(':
            return Tok::LParen;
        case ')':
            return Tok::RParen;
        case ',':
            return Tok::Comma;
        case ':':
            return Tok::Newline;
        case '<':
            if (n == '>') return ++pos, Tok::Ne;
            if (n == '=') return ++pos, Tok::Le;
            return Tok::Lt;
        case '>':
            if (n == '=') return ++pos, Tok::Ge;
            return Tok::Gt;
        default:
            --pos;
            return Tok::Invalid;
    }
}

// Bytes of the UTF-8 character at pos (1 for a byte that starts none).
size_t characterLength(std::string_view text, size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (pos + length > text.size()) return 1;
    for (size_t k = pos + 1; k < pos + length; ++k) {
        if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80) return 1;
    }
    return length;
}

Token endToken(std::string_view text) {
    Token t;
    t.offset = text.size();
    return t;
}

}  // namespace

Kw keywordOf(std::string_view lower) {
    for (const auto& k : kKeywords) {
        if (lower == k.text) return k.kw;
    }
    return Kw::None;
}

int readDecimal(std::string_view text, size_t& pos, Value& out) {
    Decimal d;
    if (int e = readDecimal(text, pos, d)) return e;
    out = d.kind == Kind::Double    ? Value::number(d.real)
          : d.kind == Kind::Integer ? Value::integer(d.whole)
                                    : Value::longValue(d.whole);
    return 0;
}

std::vector<Token> tokenize(std::string_view text) {
    std::vector<Token> tokens;
    size_t pos = 0;
    size_t start = 0;
    // The offending token from its start; an invalid character alone, a whole UTF-8 one.
    auto fail = [&](int error) {
        Token t;
        t.type = Tok::Invalid;
        t.error = error;
        t.offset = start;
        t.length = error != vbrt::kInvalidCharacter && pos > start ? pos - start
                                                                   : characterLength(text, start);
        tokens.push_back(std::move(t));
        tokens.push_back(endToken(text));
    };
    while (pos < text.size()) {
        char c = text[pos];
        if (c == ' ' || c == '\t') {
            ++pos;
            continue;
        }
        if (c == '_' && skipContinuation(text, pos)) continue;
        if (c == '\'') {
            skipToLineEnd(text, pos);
            continue;
        }
        Token t;
        start = pos;
        t.offset = pos;
        if (c == '\r' || c == '\n') {
            pos += (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;
            t.type = Tok::Newline;
        } else if (isDigit(c) || (c == '.' && pos + 1 < text.size() && isDigit(text[pos + 1]))) {
            t.type = Tok::Number;
            if (int e = readDecimal(text, pos, t.literal)) return fail(e), tokens;
        } else if (c == '&' && pos + 1 < text.size() &&
                   (lower(text[pos + 1]) == 'h' || lower(text[pos + 1]) == 'o')) {
            t.type = Tok::Number;
            if (int e = readRadix(text, pos, t.literal)) return fail(e), tokens;
        } else if (c == '"') {
            t.type = Tok::String;
            if (int e = readString(text, pos, t.literal)) return fail(e), tokens;
        } else if (isNameStart(c)) {
            while (pos < text.size() && isNameChar(text[pos]))
                t.name += lower(text[pos++]);
            if (pos - start > kMaxNameLength) return fail(vbrt::kSyntaxError), tokens;
            t.kw = keywordOf(t.name);
            if (t.kw == Kw::Rem) {
                skipToLineEnd(text, pos);
                continue;
            }
            t.type = t.kw == Kw::None ? Tok::Name : Tok::Keyword;
        } else {
            t.colon = c == ':';
            t.type = operatorToken(text, pos);
            if (t.type == Tok::Invalid) return fail(vbrt::kInvalidCharacter), tokens;
        }
        t.length = pos - start;
        tokens.push_back(std::move(t));
    }
    tokens.push_back(endToken(text));
    return tokens;
}

}  // namespace script
