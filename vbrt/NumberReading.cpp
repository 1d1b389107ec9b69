// SPDX-License-Identifier: GPL-3.0-or-later
#include "vbrt/NumberReading.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "vbrt/RuntimeError.h"

namespace vbrt {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c, int base) {
    int v = -1;
    if (IsDigit(c))
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

// Reads a decimal number at the start of `s`: sign, digits, '.', exponent. Returns the
// number of characters used (0 when there is no digit) and the text strtod understands.
size_t ScanDecimal(std::string_view s, std::string& number) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) number.push_back(s[i++]);
    size_t digits = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i, ++digits)
        number.push_back(s[i]);
    if (i < s.size() && s[i] == '.') {
        number.push_back(s[i++]);
        for (; i < s.size() && IsDigit(s[i]); ++i, ++digits)
            number.push_back(s[i]);
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent.push_back(s[j++]);
        const size_t firstDigit = j;
        for (; j < s.size() && IsDigit(s[j]); ++j)
            exponent.push_back(s[j]);
        if (j > firstDigit) {
            number += exponent;
            i = j;
        }
    }
    return i;
}

// Reads &H / &O digits after the prefix; 16-bit for short literals, else 32-bit, with the
// platform's wrap-around (&HFFFF is -1, &HFFFF& is 65535). nullopt for too many digits.
std::optional<double> RadixValue(std::string_view digits, int base, bool forceLong) {
    const size_t shortLimit = base == 16 ? 4 : 6;
    const size_t longLimit = base == 16 ? 8 : 11;
    if (digits.empty() || digits.size() > longLimit) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits)
        value = value * base + DigitValue(c, base);
    if (value > 0xFFFFFFFFull) return std::nullopt;
    if (!forceLong && digits.size() <= shortLimit && value <= 0xFFFF) {
        return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(value)));
    }
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

// Length of the radix digits at the start of `s`.
size_t RadixDigits(std::string_view s, int base) {
    size_t i = 0;
    while (i < s.size() && DigitValue(s[i], base) >= 0)
        ++i;
    return i;
}

int RadixBase(std::string_view s) {
    if (s.size() < 2 || s[0] != '&') return 0;
    if (s[1] == 'h' || s[1] == 'H') return 16;
    if (s[1] == 'o' || s[1] == 'O') return 8;
    return 0;
}

double Finite(double value) {
    if (!std::isfinite(value)) throw RuntimeError(kOverflow);
    return value;
}

}  // namespace

double Val(std::string_view text) {
    std::string compact;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') compact.push_back(c);
    }
    const std::string_view s = compact;
    if (const int base = RadixBase(s)) {
        const std::string_view rest = s.substr(2);
        const size_t n = RadixDigits(rest, base);
        const bool forceLong = n < rest.size() && rest[n] == '&';
        if (n == 0) return 0;
        const auto value = RadixValue(rest.substr(0, n), base, forceLong);
        if (!value) throw RuntimeError(kOverflow);
        return *value;
    }
    std::string number;
    if (ScanDecimal(s, number) == 0) return 0;
    return Finite(std::strtod(number.c_str(), nullptr));
}

std::optional<double> ParseNumber(std::string_view text) {
    double value = 0;
    if (TextToDouble(text, value) != 0) return std::nullopt;
    return value;
}

int TextToDouble(std::string_view text, double& out) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return kTypeMismatch;
    const size_t last = text.find_last_not_of(" \t");
    const std::string_view s = text.substr(first, last - first + 1);
    if (const int base = RadixBase(s)) {
        std::string_view rest = s.substr(2);
        const bool forceLong = !rest.empty() && rest.back() == '&';
        if (forceLong) rest.remove_suffix(1);
        if (rest.empty() || RadixDigits(rest, base) != rest.size()) return kTypeMismatch;
        const auto value = RadixValue(rest, base, forceLong);
        if (!value) return kOverflow;
        out = *value;
        return 0;
    }
    std::string number;
    if (ScanDecimal(s, number) != s.size()) return kTypeMismatch;
    out = std::strtod(number.c_str(), nullptr);
    return std::isfinite(out) ? 0 : kOverflow;
}

bool IsNumeric(std::string_view text) {
    return ParseNumber(text).has_value();
}

}  // namespace vbrt
