#pragma once

#include <string_view>

#include "script/Decimal.h"

namespace script {

// Longest name the quick path handles; longer ones take the full parse.
constexpr size_t kQuickNameLength = 16;

struct FastAssignment {
    // Lower-case name, zero-padded to the full buffer for word-wise comparison.
    alignas(8) char name[kQuickNameLength] = {};
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
