#pragma once

#include "script/Program.h"
#include "script/Value.h"

namespace script {

// VBScript semantics of the operators on any two values. Each returns 0 or an error
// number and never throws; no infinity or NaN is ever stored in `out`.
int binaryOp(Op op, const Value& a, const Value& b, Value& out);
int negate(const Value& a, Value& out);
int logicalNot(const Value& a, Value& out);
int square(const Value& a, Value& out);
// The power rule shared with the fast path: invalid call (5) for a negative base with a
// fractional exponent or 0 to a negative power, overflow (6) for a non-finite result.
int power(double a, double b, double& out);
// Division with its two errors: 0/0 is overflow (6), x/0 division by zero (11).
int divide(double a, double b, double& out);

}  // namespace script
