// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

#include "script/Value.h"
#include "vbrt/RuntimeError.h"
#include "vbrt/Variant.h"

namespace script {

// Kinds that behave as 16-bit whole numbers in arithmetic (Empty is 0, True is -1).
inline bool isSmallWhole(Kind k) {
    return k == Kind::Empty || k == Kind::Boolean || k == Kind::Integer;
}
inline bool isWhole(Kind k) {
    return isSmallWhole(k) || k == Kind::Long;
}

// Number of a value: Empty 0, True -1, numeric text its value; other text is error 13, a
// numeric text beyond the double range error 6.
// Returns 0 or the error number.
int toDouble(const Value& v, double& out);
// Rounded (ties to even) into the Long range; 6 beyond it, 13 for non-numeric text.
int toLong(const Value& v, std::int32_t& out);
// Truth of a condition or CBool: numbers are true when nonzero, "True"/"False" texts too.
int toBoolean(const Value& v, bool& out);
// Default text: "" for Empty, True/False, the number text, the text itself.
std::string toText(const Value& v);

// A whole-number result, promoted to Long and then Double when it does not fit; `small`
// asks for Integer when it fits 16 bits.
Value wholeResult(std::int64_t v, bool small);
// A Double result, or overflow (6) when it is not finite.
inline int doubleResult(double r, Value& out) {
    if (!std::isfinite(r)) return vbrt::kOverflow;
    out = Value::number(r);
    return 0;
}

Value fromVariant(const vbrt::Variant& v);
vbrt::Variant toVariant(const Value& v);

}  // namespace script
