#pragma once

#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>

namespace script {

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
        for (const Recent& r : recent_) {
            if (r.length == lower.size() && std::memcmp(r.text, lower.data(), r.length) == 0) {
                return r.slot;
            }
        }
        auto it = slots_.find(std::string(lower));
        if (it == slots_.end()) return -1;
        note(lower, it->second);
        return it->second;
    }
    // Slot of a name, created with the next number when new.
    int intern(std::string_view lower, int next) {
        auto [it, fresh] = slots_.emplace(std::string(lower), next);
        return it->second;
    }
    size_t size() const { return slots_.size(); }

  private:
    struct Recent {
        char text[16] = {};
        size_t length = 0;
        int slot = -1;
    };
    void note(std::string_view lower, int slot) {
        if (lower.size() > sizeof(Recent::text)) return;
        Recent& r = recent_[next_++ % std::size(recent_)];
        std::memcpy(r.text, lower.data(), lower.size());
        r.length = lower.size();
        r.slot = slot;
    }
    std::unordered_map<std::string, int> slots_;
    Recent recent_[8];
    unsigned next_ = 0;
};

}  // namespace script
