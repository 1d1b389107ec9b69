// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text to the number readers and writes back what they read: no input may
// crash them, and every number text must read back as the same number. The input also
// seeds a sweep of doubles whose texts must match the printf routine byte for byte.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "PrintfNumberText.h"
#include "vbrt/NumberReading.h"
#include "vbrt/NumberText.h"
#include "vbrt/RuntimeError.h"

namespace {

void CheckSameAsPrintf(double value) {
    if (vbrt::NumberToText(value) != fuzz::PrintfNumberToText(value)) std::abort();
}

std::uint64_t SplitMix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Every 8 bytes of the input as a double, then random bit patterns, and sums of steps like
// the plotters' loops, whose last digits carry the rounding that matters most.
void SweepAgainstPrintf(const std::uint8_t* data, std::size_t size) {
    std::uint64_t state = size;
    for (std::size_t i = 0; i < size; ++i)
        state = state * 131 + data[i];
    for (std::size_t i = 0; i + 8 <= size; i += 8) {
        std::uint64_t bits;
        std::memcpy(&bits, data + i, 8);
        CheckSameAsPrintf(std::bit_cast<double>(bits));
    }
    for (int i = 0; i < 2000; ++i)
        CheckSameAsPrintf(std::bit_cast<double>(SplitMix(state)));
    const double step = double(SplitMix(state) % 1000 + 1) / 1000;
    double v = -double(SplitMix(state) % 100);
    for (int i = 0; i < 2000; ++i, v += step)
        CheckSameAsPrintf(v);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const double value = vbrt::Val(text);
        const std::string written = vbrt::NumberToText(value);
        const auto back = vbrt::ParseNumber(written);
        if (!back || (value != 0 && std::fabs(*back - value) > std::fabs(value) * 1e-14))
            std::abort();
        vbrt::PrintForm(value);
        vbrt::FormatFixed2(value);
        CheckSameAsPrintf(value);
    } catch (const vbrt::RuntimeError&) {
    }
    if (const auto number = vbrt::ParseNumber(text)) CheckSameAsPrintf(*number);
    SweepAgainstPrintf(data, size);
    return 0;
}
