// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>
#include <unordered_map>

namespace script {

// Names up to this length are kept zero-padded to it, so that two compare as two machine
// words: the quick assignment path's buffer and the name table's recent hits alike.
constexpr size_t kPaddedNameLength = 16;

// Lower-case (ASCII) copy of a name; names are case-insensitive.
inline std::string lowerName(std::string_view name) {
    std::string s(name);
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    return s;
}

// Slots by lower-case name, with a few recent hits kept for the per-sample assignments.
class NameTable {
  public:
    // Slot of a lower-case name, or -1.
    int find(std::string_view lower) {
        if (lower.size() <= kPaddedNameLength) {
            alignas(8) char padded[kPaddedNameLength] = {};
            std::memcpy(padded, lower.data(), lower.size());
            if (int slot = findRecent(padded); slot >= 0) return slot;
        }
        auto it = slots_.find(std::string(lower));
        if (it == slots_.end()) return -1;
        note(lower, it->second);
        return it->second;
    }
    // Same for a name already zero-padded to kPaddedNameLength bytes.
    int findPadded(const char* padded, size_t length) {
        if (int slot = findRecent(padded); slot >= 0) return slot;
        return find(std::string_view(padded, length));
    }
    // Slot of a name, created with the next number when new.
    int intern(std::string_view lower, int next) {
        auto [it, fresh] = slots_.emplace(std::string(lower), next);
        return it->second;
    }

  private:
    static_assert(kPaddedNameLength == 2 * sizeof(std::uint64_t), "findRecent compares two words");
    struct Recent {
        std::uint64_t words[2] = {~0ull, ~0ull};  // never matches a padded name
        int slot = -1;
    };
    int findRecent(const char* padded) const {
        std::uint64_t w0, w1;
        std::memcpy(&w0, padded, 8);
        std::memcpy(&w1, padded + 8, 8);
        for (const Recent& r : recent_) {
            if (r.words[0] == w0 && r.words[1] == w1) return r.slot;
        }
        return -1;
    }
    void note(std::string_view lower, int slot) {
        if (lower.size() > kPaddedNameLength) return;
        char padded[kPaddedNameLength] = {};
        std::memcpy(padded, lower.data(), lower.size());
        Recent& r = recent_[next_++ % std::size(recent_)];
        std::memcpy(r.words, padded, sizeof padded);
        r.slot = slot;
    }
    std::unordered_map<std::string, int> slots_;
    Recent recent_[8];
    unsigned next_ = 0;
};

}  // namespace script
