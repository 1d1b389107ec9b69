#include "script/FastAssign.h"

#include "script/Lexer.h"
#include "script/Operators.h"

namespace script {

namespace {

void skipBlanks(std::string_view s, size_t& p) {
    while (p < s.size() && (s[p] == ' ' || s[p] == '\t'))
        ++p;
}

bool isReserved(std::string_view lower) {
    static constexpr std::string_view kWords[] = {
        "and",   "or",   "not",   "xor",   "eqv",    "imp", "mod",      "true",   "false",
        "empty", "if",   "then",  "else",  "elseif", "end", "function", "sub",    "exit",
        "dim",   "call", "byval", "byref", "is",     "set", "class",    "option", "rem"};
    for (std::string_view w : kWords) {
        if (lower == w) return true;
    }
    return false;
}

}  // namespace

bool parseFastAssignment(std::string_view s, FastAssignment& out) {
    size_t p = 0;
    skipBlanks(s, p);
    if (p >= s.size() || !isNameStart(s[p])) return false;
    size_t n = 0;
    while (p < s.size() && isNameChar(s[p])) {
        if (n >= sizeof(out.buffer)) return false;
        char c = s[p++];
        out.buffer[n++] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    }
    out.name = std::string_view(out.buffer, n);
    if (isReserved(out.name)) return false;
    skipBlanks(s, p);
    if (p >= s.size() || s[p] != '=') return false;
    ++p;
    skipBlanks(s, p);
    bool minus = p < s.size() && s[p] == '-';
    if (minus) {
        ++p;
        skipBlanks(s, p);
    }
    bool digitFirst =
        p < s.size() && ((s[p] >= '0' && s[p] <= '9') ||
                         (s[p] == '.' && p + 1 < s.size() && s[p + 1] >= '0' && s[p + 1] <= '9'));
    if (!digitFirst || readDecimal(s, p, out.value) != 0) return false;
    skipBlanks(s, p);
    if (p != s.size()) return false;
    if (minus) negate(Value(out.value), out.value);
    return true;
}

}  // namespace script
