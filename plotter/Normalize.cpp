// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/Normalize.h"

#include <QString>

#include "plotter/TextbookNotation.h"
#include "plotter/TypedSpellings.h"

namespace plotter {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isAsciiLetterOrOpenParen(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '(';
}

// Every non-overlapping pair first-second, scanned left to right, gets a "*" between its
// two characters ("xy" -> "x*y").
TracedText starBetween(const TracedText& in, char first, char second) {
    TracedText out;
    const std::string& s = in.text;
    for (std::size_t i = 0; i < s.size(); ++i) {
        out.append(in, i, 1);
        if (s[i] == first && i + 1 < s.size() && s[i + 1] == second) {
            out.append("*", in.origin[i]);
            out.append(in, ++i, 1);
        }
    }
    return out;
}

// Lower case of the whole text (letters of every script, as the platform's LCase does);
// a byte that starts no valid character stays as it is.
TracedText toLower(const TracedText& in) {
    TracedText out;
    out.text.reserve(in.text.size());
    for (std::size_t k = 0; k < in.text.size();) {
        const char c = in.text[k];
        const std::size_t length = Utf8Length(in.text, k);
        if (length == 1) {
            out.append(std::string_view(&c, 1), in.origin[k]);
            if (c >= 'A' && c <= 'Z') out.text.back() = static_cast<char>(c + 32);
        } else {
            const QString lower =
                QString::fromUtf8(in.text.data() + k, qsizetype(length)).toLower();
            out.append(lower.toStdString(), in.origin[k]);
        }
        k += length;
    }
    return out;
}

// A "*" after a digit or ")" that is followed by a letter or "(". Working on bytes is the
// same as working on characters: a multi-byte character is never a digit, letter or paren.
TracedText insertProducts(const TracedText& in) {
    TracedText out;
    const std::string& s = in.text;
    for (std::size_t i = 0; i < s.size(); ++i) {
        out.append(in, i, 1);
        if (i + 1 < s.size() && (isDigit(s[i]) || s[i] == ')') &&
            isAsciiLetterOrOpenParen(s[i + 1])) {
            out.append("*", in.origin[i]);
        }
    }
    return out;
}

}  // namespace

namespace {

TracedText normalizeOnce(std::string_view text) {
    TracedText s = RewriteTextbookNotation(toLower(MapTypedSpellings(text)));
    s = starBetween(s, 'x', 'y');
    s = starBetween(s, 'y', 'x');
    s = starBetween(s, ')', '(');
    return insertProducts(s);
}

}  // namespace

// The products of one pass can make new words of one-letter names ("xxyz" gives "xx*yz",
// whose "xx" is taken apart next time), and its brackets can put a "、" inside some. The
// plotters normalise the working text again, so it is normalised until it stays as it is.
TracedText NormalizeTraced(std::string_view text) {
    constexpr int kMaxPasses = 8;
    TracedText s = normalizeOnce(text);
    for (int pass = 1; pass < kMaxPasses; ++pass) {
        TracedText again = normalizeOnce(s.text);
        if (again.text == s.text) break;
        for (std::uint32_t& origin : again.origin)
            origin = s.originAt(origin, static_cast<std::uint32_t>(text.size()));
        s = std::move(again);
    }
    return s;
}

std::string NormalizeEquation(std::string_view text) {
    return NormalizeTraced(text).text;
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
