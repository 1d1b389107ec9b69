#pragma once

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
    CompiledEval* find(std::string_view text) {
        if (last_ && text == lastText_) return last_;
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
        lastText_ = {};
    }

  private:
    static constexpr size_t kMaxEntries = 256;
    static constexpr size_t kMaxBytes = 8u << 20;
    void remember(const std::string& key, CompiledEval* entry) {
        lastText_ = key;
        last_ = entry;
    }
    std::unordered_map<std::string, std::unique_ptr<CompiledEval>> entries_;
    size_t bytes_ = 0;
    std::string_view lastText_;  // views the key of last_ inside entries_
    CompiledEval* last_ = nullptr;
};

}  // namespace script
