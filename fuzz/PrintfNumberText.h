// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The number-to-text conversion as it was written with printf, kept as the yardstick that
// the std::to_chars routine must match byte for byte.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

inline std::string PrintfNumberToText(double value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    std::string digits;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p) {
        if (*p != '.') digits.push_back(*p);
    }
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int length = static_cast<int>(digits.size());
    std::string body;
    if (exponent < -4 || exponent >= 15) {
        body = digits.substr(0, 1);
        if (length > 1) body += "." + digits.substr(1);
        std::snprintf(buffer, sizeof buffer, "E%c%02d", exponent < 0 ? '-' : '+',
                      std::abs(exponent));
        body += buffer;
    } else if (exponent < 0) {
        body = "0." + std::string(-exponent - 1, '0') + digits;
    } else if (length <= exponent + 1) {
        body = digits + std::string(exponent + 1 - length, '0');
    } else {
        body = digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
    }
    return value < 0 ? "-" + body : body;
}

}  // namespace fuzz
