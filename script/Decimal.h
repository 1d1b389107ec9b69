// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

#include "script/Value.h"

namespace script {

// A decimal literal as read from the text: Integer, Long or Double by the literal rules.
struct Decimal {
    Kind kind = Kind::Integer;
    std::int32_t whole = 0;
    double real = 0;
};

// Reads "2", ".5", "10.", "1.5E-3" at text[pos...] and advances pos. Whole numbers become
// Integer up to 32767, Long up to 2147483647, else Double; a '.' or an exponent makes a
// Double. Returns 0, 1002 when no number starts there, or 6 beyond the double range.
int readDecimal(std::string_view text, size_t& pos, Decimal& out);

}  // namespace script
