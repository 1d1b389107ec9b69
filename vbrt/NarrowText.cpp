// SPDX-License-Identifier: GPL-3.0-or-later
#include "vbrt/NarrowText.h"

namespace vbrt {
namespace {

// The ASCII character a three-byte UTF-8 sequence is narrowed to, or 0 when it is none of
// the narrowed forms.
char NarrowForm(std::string_view sequence) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(sequence[i]); };
    if (byte(0) == 0xEF && byte(1) == 0xBC && byte(2) >= 0x81 && byte(2) <= 0xBF) {
        return static_cast<char>(byte(2) - 0x60);  // U+FF01..U+FF3F
    }
    if (byte(0) == 0xEF && byte(1) == 0xBD && byte(2) >= 0x80 && byte(2) <= 0x9E) {
        return static_cast<char>(byte(2) - 0x20);  // U+FF40..U+FF5E
    }
    if (sequence == "\xE3\x80\x80") return ' ';
    if (sequence == "\xE2\x88\x92") return '-';
    return 0;
}

}  // namespace

std::string NarrowText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (k + 3 <= text.size()) {
            if (const char narrow = NarrowForm(text.substr(k, 3))) {
                out += narrow;
                k += 2;
                continue;
            }
        }
        out += text[k];
    }
    return out;
}

}  // namespace vbrt
