// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "script/Fast.h"
#include "script/Program.h"

namespace script {

// One Eval text in compiled form; a text that does not compile keeps its error number so
// that a plotter asking 80 000 times pays for the parse once.
struct CompiledEval {
    int error = 0;
    Program program;
    FastProgram fast;
    bool hasFast = false;
};

// Compiled Eval texts by their exact text, bounded in count and bytes.
class EvalCache {
  public:
    static constexpr size_t kMaxEntries = 256;
    static constexpr size_t kMaxBytes = 8u << 20;  // of text, summed over the entries

    size_t size() const { return entries_.size(); }
    size_t bytes() const { return bytes_; }
    // The entry of the text asked for last time, if this is that text.
    CompiledEval* lastHit(std::string_view text) const {
        return last_ && sameText(text, lastText_) ? last_ : nullptr;
    }
    // The entry of the text asked for last time, if this is that text and the entry has an
    // all-numbers form.
    const CompiledEval* lastFast(std::string_view text) const {
        return lastFast_ && sameText(text, lastText_) ? lastFast_ : nullptr;
    }
    CompiledEval* find(std::string_view text) {
        if (CompiledEval* hit = lastHit(text)) return hit;
        auto it = entries_.find(std::string(text));
        if (it == entries_.end()) return nullptr;
        remember(it->first, it->second.get());
        return last_;
    }
    CompiledEval* insert(std::string_view text, std::unique_ptr<CompiledEval> entry) {
        if (entries_.size() >= kMaxEntries || bytes_ + text.size() > kMaxBytes) clear();
        bytes_ += text.size();
        auto [it, fresh] = entries_.insert_or_assign(std::string(text), std::move(entry));
        remember(it->first, it->second.get());
        return last_;
    }
    // Forgets everything, e.g. when a new function name changes how texts compile.
    void clear() {
        entries_.clear();
        bytes_ = 0;
        last_ = nullptr;
        lastFast_ = nullptr;
        lastText_ = {};
    }

  private:
    // Equality by machine words, two a step (the last step may overlap the one before it):
    // the per-sample check that the text is unchanged.
    static bool sameText(std::string_view a, std::string_view b) {
        const size_t n = a.size();
        if (n != b.size()) return false;
        const char *p = a.data(), *q = b.data();
        if (n >= 8) {
            if (n <= 16) return !wordsDiffer(p, q, 0, n - 8);
            for (size_t k = 0; k + 16 < n; k += 16) {
                if (wordsDiffer(p, q, k, k + 8)) return false;
            }
            return !wordsDiffer(p, q, n - 16, n - 8);
        }
        if (n >= 4) {
            return word<std::uint32_t>(p) == word<std::uint32_t>(q) &&
                   word<std::uint32_t>(p + n - 4) == word<std::uint32_t>(q + n - 4);
        }
        for (size_t k = 0; k < n; ++k) {
            if (p[k] != q[k]) return false;
        }
        return true;
    }
    // Whether p and q differ in the 8-byte word at offset i or at offset j.
    static bool wordsDiffer(const char* p, const char* q, size_t i, size_t j) {
        using W = std::uint64_t;
        return ((word<W>(p + i) ^ word<W>(q + i)) | (word<W>(p + j) ^ word<W>(q + j))) != 0;
    }
    template <typename Word>
    static Word word(const char* p) {
        Word w;
        std::memcpy(&w, p, sizeof w);
        return w;
    }
    void remember(const std::string& key, CompiledEval* entry) {
        lastText_ = key;
        last_ = entry;
        lastFast_ = entry->hasFast ? entry : nullptr;
    }
    std::unordered_map<std::string, std::unique_ptr<CompiledEval>> entries_;
    size_t bytes_ = 0;
    std::string_view lastText_;  // views the key of last_ inside entries_
    CompiledEval* last_ = nullptr;
    const CompiledEval* lastFast_ = nullptr;  // last_, if it has an all-numbers form
};

}  // namespace script
