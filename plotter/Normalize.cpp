#include "plotter/Normalize.h"

#include <QString>
#include <utility>

#include "vbrt/NarrowText.h"

namespace plotter {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isAsciiLetterOrOpenParen(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '(';
}

// Every non-overlapping `from`, scanned left to right, replaced by `to`.
std::string replaceAll(const std::string& text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    size_t pos = 0;
    for (size_t hit; (hit = text.find(from, pos)) != std::string::npos; pos = hit + from.size()) {
        out.append(text, pos, hit - pos);
        out.append(to);
    }
    out.append(text, pos);
    return out;
}

// What an input method or a word processor types for the ASCII of an equation: the
// full-width forms and the minus sign (vbrt::NarrowText), and the school signs for times,
// divided by, squared, cubed and pi. Pi becomes the plotters' per-sample p, bracketed so
// that 2π, πx and π(x+1) get their implied products like any other factor.
std::string mapTypedSymbols(std::string_view text) {
    static const std::pair<std::string_view, std::string_view> kSymbols[] = {
        {"×", "*"}, {"÷", "/"}, {"²", "^2"}, {"³", "^3"}, {"π", "(p)"}, {"Π", "(p)"},
    };
    std::string s = vbrt::NarrowText(text);
    for (const auto& [from, to] : kSymbols) {
        if (s.find(from) != std::string::npos) s = replaceAll(s, from, to);
    }
    return s;
}

// Blanks (U+0020) and ideographic spaces (U+3000) removed; other white space stays.
std::string removeSpaces(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t k = 0; k < text.size(); ++k) {
        if (text[k] == ' ') continue;
        if (text.substr(k, 3) == "\xE3\x80\x80") {
            k += 2;
            continue;
        }
        out += text[k];
    }
    return out;
}

// Lower case of the whole text (letters of every script, as the platform's LCase does).
std::string toLower(const std::string& text) {
    bool ascii = true;
    std::string out = text;
    for (char& c : out) {
        if (static_cast<unsigned char>(c) >= 0x80) ascii = false;
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    if (ascii) return out;
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
        .toLower()
        .toStdString();
}

// A "*" after a digit or ")" that is followed by a letter or "(". Working on bytes is the
// same as working on characters: a multi-byte character is never a digit, letter or paren.
std::string insertProducts(const std::string& s) {
    std::string out;
    out.reserve(s.size() * 2);
    for (size_t i = 0; i < s.size(); ++i) {
        out += s[i];
        if (i + 1 < s.size() && (isDigit(s[i]) || s[i] == ')') &&
            isAsciiLetterOrOpenParen(s[i + 1])) {
            out += '*';
        }
    }
    return out;
}

}  // namespace

std::string NormalizeEquation(std::string_view text) {
    std::string s = toLower(removeSpaces(mapTypedSymbols(text)));
    s = replaceAll(s, "xy", "x*y");
    s = replaceAll(s, "yx", "y*x");
    s = replaceAll(s, ")(", ")*(");
    return insertProducts(s);
}

bool IsLetterOrOpenParen(std::string_view c) {
    return c.size() == 1 && isAsciiLetterOrOpenParen(c[0]);
}

bool IsCloseParen(std::string_view c) {
    return c == ")";
}

std::string EquationToDifference(std::string_view text) {
    size_t eq = text.find('=');
    if (eq == std::string_view::npos) return std::string(text);
    std::string out = "abs(";
    out.append(text.substr(eq + 1));
    out.append("-(");
    out.append(text.substr(0, eq));
    out.append("))");
    return out;
}

}  // namespace plotter
