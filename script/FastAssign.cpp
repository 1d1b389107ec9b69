// SPDX-License-Identifier: GPL-3.0-or-later
#include "script/FastAssign.h"

#include "script/Lexer.h"

namespace script {

namespace {

void skipBlanks(std::string_view s, size_t& p) {
    while (p < s.size() && (s[p] == ' ' || s[p] == '\t'))
        ++p;
}

bool startsNumber(std::string_view s, size_t p) {
    auto digit = [&](size_t k) { return k < s.size() && s[k] >= '0' && s[k] <= '9'; };
    return digit(p) || (p < s.size() && s[p] == '.' && digit(p + 1));
}

}  // namespace

bool parseFastAssignment(std::string_view s, FastAssignment& out) {
    size_t p = 0;
    skipBlanks(s, p);
    if (p >= s.size() || !isNameStart(s[p])) return false;
    size_t n = 0;
    for (; p < s.size() && isNameChar(s[p]); ++p) {
        if (n >= kPaddedNameLength) return false;
        char c = s[p];
        out.name[n++] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    }
    out.length = n;
    skipBlanks(s, p);
    if (p >= s.size() || s[p] != '=') return false;
    ++p;
    skipBlanks(s, p);
    out.negative = p < s.size() && s[p] == '-';
    if (out.negative) {
        ++p;
        skipBlanks(s, p);
    }
    if (!startsNumber(s, p) || readDecimal(s, p, out.number) != 0) return false;
    skipBlanks(s, p);
    return p == s.size();
}

}  // namespace script
