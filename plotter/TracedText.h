// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plotter {

// A text made from what the user typed, each byte with the offset of the typed byte it
// stems from, so that a message about the made text can point into the typed one.
struct TracedText {
    std::string text;
    std::vector<std::uint32_t> origin;  // one per byte of text

    // The typed text itself: every byte its own origin.
    static TracedText Typed(std::string_view typed) {
        TracedText t;
        t.text = typed;
        t.origin.resize(typed.size());
        for (std::size_t k = 0; k < typed.size(); ++k)
            t.origin[k] = static_cast<std::uint32_t>(k);
        return t;
    }
    void append(std::string_view s, std::uint32_t from) {
        text += s;
        origin.insert(origin.end(), s.size(), from);
    }
    void append(const TracedText& other, std::size_t pos, std::size_t count) {
        text.append(other.text, pos, count);
        origin.insert(origin.end(), other.origin.begin() + std::ptrdiff_t(pos),
                      other.origin.begin() + std::ptrdiff_t(pos + count));
    }
    // Origin of byte pos; past the end, `end` (the typed text's length).
    std::uint32_t originAt(std::size_t pos, std::uint32_t end) const {
        return pos < origin.size() ? origin[pos] : end;
    }
};

// Bytes of the UTF-8 character at pos: 1 for ASCII and for a byte that starts no valid
// character.
inline std::size_t Utf8Length(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned lead = byte(pos);
    const std::size_t length = lead >= 0xF0 && lead <= 0xF4   ? 4
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                                                              : 1;
    if (length == 1 || pos + length > text.size()) return 1;
    for (std::size_t k = pos + 1; k < pos + length; ++k)
        if ((byte(k) & 0xC0) != 0x80) return 1;
    return length;
}

}  // namespace plotter
