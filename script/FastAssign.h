#pragma once

#include <string_view>

#include "script/Value.h"

namespace script {

struct FastAssignment {
    std::string_view name;  // lower-case, in the parser's own buffer
    Value value;
    char buffer[64];
};

// Recognises the per-sample statement "NAME=NUMBER" (blanks allowed, optional '-') without
// a full parse. The value is exactly what the full parser would give (same literal rules,
// same negation). False for anything else, which then takes the full path.
bool parseFastAssignment(std::string_view source, FastAssignment& out);

}  // namespace script
