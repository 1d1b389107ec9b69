// SPDX-License-Identifier: GPL-3.0-or-later
#include "script/ExactPower.h"

#include <cmath>
#include <cstdint>
#include <span>

#include "vbrt/Rounding.h"
#include "vbrt/RuntimeError.h"

namespace script {

namespace {

// Remainder with the dividend's sign; a divisor of 0 is a division by zero.
std::int32_t wholeMod(std::int32_t a, std::int32_t b) {
    if (b == 0) throw vbrt::RuntimeError(vbrt::kDivisionByZero);
    return b == -1 ? 0 : a % b;
}

// The real power with the script's errors: 0 to a negative power is an invalid call, a
// result beyond the double range an overflow.
double realPower(double base, double exponent) {
    if (base == 0 && exponent < 0) {
        throw vbrt::RuntimeError(vbrt::kInvalidCall);
    }
    if (base < 0 && exponent != std::trunc(exponent)) {
        throw vbrt::RuntimeError(vbrt::kInvalidCall);
    }
    double r = std::pow(base, exponent);
    if (!std::isfinite(r)) throw vbrt::RuntimeError(vbrt::kOverflow);
    return r;
}

double sign(double x) {
    return x > 0 ? 1.0 : x < 0 ? -1.0 : 0.0;
}

}  // namespace

vbrt::Variant ExactPower(double X, double m, double n) {
    if (n == 0) return vbrt::Variant::string("分母不能为0");
    const double q = m / n;
    const std::int32_t M = vbrt::ToLong(m);
    const std::int32_t N = vbrt::ToLong(n);
    // All three parts are evaluated, as the script's And does: N = 0 fails even for X >= 0.
    const bool remainder = wholeMod(M, N) != 0;
    const bool evenDenominator = wholeMod(N, 2) == 0;
    if (X < 0 && remainder && evenDenominator) return vbrt::Variant::string("没有实数解");
    const std::int32_t K = vbrt::ToLong(q);
    if (X < 0 && q != K) {
        const double magnitude = realPower(std::fabs(X), q);
        return vbrt::Variant::number(wholeMod(M, 2) == 0 ? magnitude : sign(X) * magnitude);
    }
    if (X > 0) return vbrt::Variant::number(realPower(std::fabs(X), q));
    if (q == K) {
        const double magnitude = realPower(std::fabs(X), q);
        return vbrt::Variant::number(magnitude * realPower(sign(X), wholeMod(K, 2)));
    }
    return vbrt::Variant::empty();
}

#define SP_BODY                                                      \
    "\r\n"                                                           \
    "  If n = 0 Then \r\n"                                           \
    "     sp = \"分母不能为0\" \r\n"                            \
    "     Exit Function \r\n"                                        \
    "  End If \r\n"                                                  \
    "  If X < 0 And (m Mod n <> 0) And (n Mod 2 = 0) Then  \r\n"     \
    "     sp = \"没有实数解\" \r\n"                             \
    "     Exit Function \r\n"                                        \
    "  End If \r\n"                                                  \
    "  If X < 0 And m / n <> CLng(m / n) Then \r\n"                  \
    "     If m Mod 2 = 0 Then \r\n"                                  \
    "       sp = Abs(X) ^ (m / n) \r\n"                              \
    "     Else\r\n"                                                  \
    "       sp = Sgn(X) * Abs(X) ^ (m / n) \r\n"                     \
    "     End If \r\n"                                               \
    "  ElseIf X > 0 Then \r\n"                                       \
    "     sp = Abs(X) ^ (m / n) \r\n"                                \
    "  ElseIf m / n = CLng(m / n) Then \r\n"                         \
    "     sp = (Abs(X) ^ (m / n)) * (Sgn(X) ^ ((m / n) Mod 2)) \r\n" \
    "  End If \r\n"                                                  \
    "End Function"

const char* const kSpSource = "Function sp( X, m, n)" SP_BODY;
const char* const kSpSourceByVal = "Function sp(ByVal X ,ByVal m,ByVal n)" SP_BODY;

#undef SP_BODY

std::string TestPowerFunction(script::ScriptEngine& engine) {
    engine.AddCode(kSpSourceByVal);
    const vbrt::Variant args[] = {vbrt::Variant::integer(-27), vbrt::Variant::integer(1),
                                  vbrt::Variant::integer(3)};
    return vbrt::ToText(engine.Run("sp", args));
}

}  // namespace script
