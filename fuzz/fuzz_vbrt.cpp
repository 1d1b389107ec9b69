// Feeds arbitrary text to the number readers and writes back what they read: no input may
// crash them, and every number text must read back as the same number.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "vbrt/NumberReading.h"
#include "vbrt/NumberText.h"
#include "vbrt/RuntimeError.h"

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
    } catch (const vbrt::RuntimeError&) {
    }
    if (const auto number = vbrt::ParseNumber(text)) vbrt::NumberToText(*number);
    return 0;
}
