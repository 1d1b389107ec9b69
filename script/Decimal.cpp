// SPDX-License-Identifier: GPL-3.0-or-later
#include "script/Decimal.h"

#include <charconv>

#include "vbrt/RuntimeError.h"

namespace script {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr double kPowersOf10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The shape of a literal: its digits as a whole number (when they fit 53 bits) and the
// power of ten to apply.
struct Shape {
    std::uint64_t mantissa = 0;
    int significant = 0;
    int exponent = 0;
    bool real = false;
    bool exact = true;  // mantissa holds every significant digit
};

// Digits into the shape; locals keep the loop in registers (the text may alias anything).
void readDigits(std::string_view text, size_t& pos, Shape& s, bool fraction) {
    const char* p = text.data() + pos;
    const char* end = text.data() + text.size();
    std::uint64_t mantissa = s.mantissa;
    int significant = s.significant, exponent = s.exponent;
    if (mantissa == 0) {
        for (; p < end && *p == '0'; ++p)
            exponent -= fraction;
    }
    for (; p < end && isDigit(*p); ++p) {
        if (significant < 15) {
            mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
            exponent -= fraction;
        } else if (!fraction) {
            ++exponent;  // a digit past the fifteenth still counts its place
        }
        ++significant;
    }
    s.mantissa = mantissa;
    s.significant = significant;
    s.exponent = exponent;
    s.exact = s.exact && significant <= 15;
    pos = static_cast<size_t>(p - text.data());
}

// Exponent part "E+12"; absent when no digit follows the E (then the E is not part of the
// literal).
void readExponent(std::string_view text, size_t& p, Shape& s) {
    if (p >= text.size() || (text[p] != 'e' && text[p] != 'E')) return;
    size_t q = p + 1;
    bool negative = false;
    if (q < text.size() && (text[q] == '+' || text[q] == '-')) negative = text[q++] == '-';
    if (q >= text.size() || !isDigit(text[q])) return;
    int e = 0;
    for (; q < text.size() && isDigit(text[q]); ++q) {
        if (e < 100000) e = e * 10 + (text[q] - '0');
    }
    s.exponent += negative ? -e : e;
    s.real = true;
    p = q;
}

// The correctly rounded value: a whole mantissa below 2^53 times or divided by an exact
// power of ten is one rounding; anything else goes through the library reader.
int valueOf(std::string_view literal, const Shape& s, double& out) {
    if (s.mantissa == 0 && s.exact) return out = 0, 0;
    if (s.exact && s.exponent >= -22 && s.exponent <= 22) {
        double m = static_cast<double>(s.mantissa);
        out = s.exponent < 0 ? m / kPowersOf10[-s.exponent] : m * kPowersOf10[s.exponent];
        return 0;
    }
    auto [end, ec] = std::from_chars(literal.data(), literal.data() + literal.size(), out);
    if (ec == std::errc::result_out_of_range) {
        if (s.exponent > 0) return vbrt::kOverflow;
        out = 0;  // underflow reads as zero
        return 0;
    }
    return (ec == std::errc() && end == literal.data() + literal.size()) ? 0 : vbrt::kSyntaxError;
}

}  // namespace

int readDecimal(std::string_view text, size_t& pos, Decimal& out) {
    size_t p = pos;
    Shape s;
    readDigits(text, p, s, false);
    if (p < text.size() && text[p] == '.') {
        s.real = true;
        ++p;
        readDigits(text, p, s, true);
    }
    if (p == pos || (p == pos + 1 && text[pos] == '.')) return vbrt::kSyntaxError;
    readExponent(text, p, s);
    double value = 0;
    if (int e = valueOf(text.substr(pos, p - pos), s, value)) return e;
    pos = p;
    if (!s.real && value <= 32767) {
        out = {Kind::Integer, static_cast<std::int32_t>(value), 0};
    } else if (!s.real && value <= 2147483647.0) {
        out = {Kind::Long, static_cast<std::int32_t>(value), 0};
    } else {
        out = {Kind::Double, 0, value};
    }
    return 0;
}

}  // namespace script
