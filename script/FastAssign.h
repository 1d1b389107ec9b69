// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "script/Decimal.h"
#include "script/Names.h"

namespace script {

struct FastAssignment {
    // Lower-case name, zero-padded for word-wise comparison; longer names take the full parse.
    alignas(8) char name[kPaddedNameLength] = {};
    size_t length = 0;
    bool negative = false;
    Decimal number;
    std::string_view nameView() const { return {name, length}; }
};

// Recognises the per-sample statement "NAME=NUMBER" (blanks allowed, optional '-') without
// a full parse. The caller applies the sign with the ordinary negation, so the value is
// exactly what the full parser would give. False for anything else (the full path).
bool parseFastAssignment(std::string_view source, FastAssignment& out);

}  // namespace script
