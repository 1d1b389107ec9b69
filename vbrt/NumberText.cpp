// SPDX-License-Identifier: GPL-3.0-or-later
#include "vbrt/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vbrt {
namespace {

// Decimal digits and exponent of |value| rounded to `precision` significant digits, with
// trailing zeros dropped: 0.0015 -> {"15", -3}.
struct Decimal {
    std::string digits;
    int exponent = 0;  // power of ten of the first digit
};

// std::to_chars rounds exactly as printf's "%.*e" does, without the cost of a format.
Decimal ToDecimal(double magnitude, int precision) {
    char buffer[64];
    const char* const end = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                          std::chars_format::scientific, precision - 1)
                                .ptr;
    Decimal result;
    const char* p = buffer;
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.') result.digits.push_back(*p);
    }
    if (p != end) std::from_chars(p + (p[1] == '+' ? 2 : 1), end, result.exponent);
    while (result.digits.size() > 1 && result.digits.back() == '0')
        result.digits.pop_back();
    return result;
}

void AppendFixed(const Decimal& d, std::string& text) {
    const int length = static_cast<int>(d.digits.size());
    if (d.exponent < 0) {
        text.append("0.").append(-d.exponent - 1, '0').append(d.digits);
    } else if (length <= d.exponent + 1) {
        text.append(d.digits).append(d.exponent + 1 - length, '0');
    } else {
        text.append(d.digits, 0, d.exponent + 1).append(1, '.').append(d.digits, d.exponent + 1);
    }
}

void AppendExponent(const Decimal& d, std::string& text) {
    text += d.digits[0];
    if (d.digits.size() > 1) text.append(1, '.').append(d.digits, 1);
    text.append(1, 'E').append(1, d.exponent < 0 ? '-' : '+');
    const int magnitude = std::abs(d.exponent);
    if (magnitude < 10) text += '0';
    char digits[8];
    text.append(digits, std::to_chars(digits, digits + sizeof digits, magnitude).ptr);
}

// Scientific text of a decimal, for reading it back with strtod.
std::string FixedOrExponentDigits(const Decimal& d) {
    return "0." + d.digits + "e" + std::to_string(d.exponent + 1);
}

}  // namespace

std::string NumberToText(double value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    const Decimal d = ToDecimal(std::fabs(value), 15);
    std::string text;
    text.reserve(24);
    if (value < 0) text += '-';
    if (d.exponent >= -4 && d.exponent < 15) {
        AppendFixed(d, text);
    } else {
        AppendExponent(d, text);
    }
    return text;
}

std::string PrintForm(double value) {
    std::string text = NumberToText(value);
    const bool negative = text[0] == '-';
    if (negative) text.erase(0, 1);
    if (text.size() > 1 && text[0] == '0' && text[1] == '.') text.erase(0, 1);
    return (negative ? "-" : " ") + text + " ";
}

std::string SingleToText(float value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    char buffer[32];
    for (int precision = 1; precision <= 9; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*g", precision, static_cast<double>(value));
        if (std::strtof(buffer, nullptr) == value) break;
    }
    return buffer;
}

std::string FormatFixed2(double value) {
    if (!std::isfinite(value) || value == 0) return "0.00";
    // Round the shortest decimal text half away from zero, so that 2.345 as typed shows 2.35.
    Decimal d;
    for (int precision = 1; precision <= 17; ++precision) {
        d = ToDecimal(std::fabs(value), precision);
        if (std::strtod(FixedOrExponentDigits(d).c_str(), nullptr) == std::fabs(value)) break;
    }
    // Whole hundredths as a digit string: the digits up to the second decimal place.
    const int keep = d.exponent + 3;
    std::string hundredths;
    if (keep > 0) {
        hundredths = d.digits.substr(0, std::min<size_t>(keep, d.digits.size()));
        if (static_cast<int>(hundredths.size()) < keep)
            hundredths.append(keep - hundredths.size(), '0');
        if (keep < static_cast<int>(d.digits.size()) && d.digits[keep] >= '5') {
            int i = static_cast<int>(hundredths.size()) - 1;
            for (; i >= 0 && hundredths[i] == '9'; --i)
                hundredths[i] = '0';
            if (i < 0)
                hundredths.insert(0, "1");
            else
                ++hundredths[i];
        }
    } else if (keep == 0 && d.digits[0] >= '5') {
        hundredths = "1";
    }
    hundredths.erase(0, std::min(hundredths.find_first_not_of('0'), hundredths.size()));
    if (hundredths.empty()) return "0.00";
    if (hundredths.size() < 3) hundredths.insert(0, 3 - hundredths.size(), '0');
    const std::string text = hundredths.substr(0, hundredths.size() - 2) + "." +
                             hundredths.substr(hundredths.size() - 2);
    return value < 0 ? "-" + text : text;
}

}  // namespace vbrt
