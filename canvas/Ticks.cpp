// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/Ticks.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <numeric>

namespace canvas {
namespace {

constexpr double kMantissas[] = {1, 2, 5};
constexpr int kLowestPower = -12;
constexpr int kHighestPower = 12;

bool IsPositive(double value) {
    return std::isfinite(value) && value > 0;
}

// The decimal step of the given rank: rank 0 is 1, rank 1 is 2, rank 2 is 5, rank 3 is 10,
// rank -1 is 0.5 ...
double DecimalStep(int rank) {
    const int power = rank >= 0 ? rank / 3 : -((-rank + 2) / 3);
    return kMantissas[rank - 3 * power] * std::pow(10.0, power);
}

std::string Signed(const std::string& text) {
    return text.front() == '-' ? text : " " + text;
}

// A whole multiple of pi: "π", "-π", "3π".
std::string PiMultiple(long long n) {
    if (n == 1) return "π";
    if (n == -1) return "-π";
    return std::to_string(n) + "π";
}

// Steps in pi: pi/8, pi/4, pi/2, then pi times 1, 2, 5, 10, 20 ...
TickScale PiStep(int rank) {
    const long long eighths = rank < 3 ? 1LL << rank : std::llround(8 * DecimalStep(rank - 3));
    return {double(eighths) * std::numbers::pi / 8, true, eighths};
}

}  // namespace

std::string TickScale::label(long long k) const {
    if (k == 0) return " 0";
    if (inPi) {
        // k * piEighths / 8 of pi, reduced.
        long long numerator = k * piEighths, denominator = 8;
        const long long common = std::gcd(numerator, denominator);
        numerator /= common;
        denominator /= common;
        if (denominator == 1) return Signed(PiMultiple(numerator));
        return Signed(PiMultiple(numerator) + "/" + std::to_string(denominator));
    }
    const int decimals = std::max(0, int(std::ceil(-std::log10(step) - 1e-9)));
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, double(k) * step);
    return Signed(text);
}

TickScale ChooseTicks(double pixelsPerUnit, bool inPi, double gapPixels,
                      const std::function<double(const TickScale&)>& labelPixels) {
    TickScale scale;
    if (!IsPositive(pixelsPerUnit)) return scale;
    for (int rank = inPi ? 0 : 3 * kLowestPower; rank <= 3 * kHighestPower; ++rank) {
        scale = inPi ? PiStep(rank) : TickScale{DecimalStep(rank), false, 0};
        const double pixels = scale.step * pixelsPerUnit;
        if (pixels >= gapPixels && pixels >= labelPixels(scale) + gapPixels) return scale;
    }
    return scale;
}

double TickStep(double pixelsPerUnit, double minPixels) {
    if (!IsPositive(minPixels)) return 1;
    return ChooseTicks(pixelsPerUnit, false, minPixels, [](const TickScale&) { return 0.0; }).step;
}

}  // namespace canvas
