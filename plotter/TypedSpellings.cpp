// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/TypedSpellings.h"

#include "vbrt/NarrowText.h"

namespace plotter {
namespace {

enum class Where { Anywhere, BetweenDigits, InBrackets };

struct Spelling {
    std::string_view typed;
    std::string_view ascii;
    Where where = Where::Anywhere;
};

// Pi becomes the plotters' p, bracketed so that 2π, πx and π(x+1) get their implied
// products like any other factor. "……" is Shift+6 in a Chinese input method.
constexpr Spelling kSpellings[] = {
    {"×", "*"},
    {"÷", "/"},
    {"·", "*"},
    {"•", "*"},
    {"∙", "*"},
    {"²", "^2"},
    {"³", "^3"},
    {"……", "^"},
    {"—", "-"},
    {"–", "-"},
    {"≤", "<="},
    {"≥", ">="},
    {"≠", "<>"},
    {"π", "(p)"},
    {"Π", "(p)"},
    {"。", ".", Where::BetweenDigits},
    {"、", ",", Where::InBrackets},
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether the typed character at pos is a digit, full-width or not.
bool DigitAt(std::string_view typed, std::size_t pos) {
    if (pos >= typed.size()) return false;
    if (IsDigit(typed[pos])) return true;
    const std::string narrow = vbrt::NarrowText(typed.substr(pos, 3));
    return narrow.size() == 1 && IsDigit(narrow[0]);
}

class SpellingMapper {
  public:
    explicit SpellingMapper(std::string_view typed) : typed_(typed) {}

    TracedText run() {
        out_.text.reserve(typed_.size());
        for (std::size_t k = 0; k < typed_.size();) {
            const auto from = static_cast<std::uint32_t>(k);
            if (static_cast<unsigned char>(typed_[k]) < 0x80) {
                put(typed_.substr(k++, 1), from);
            } else if (const std::string narrow = vbrt::NarrowText(typed_.substr(k, 3));
                       narrow.size() == 1) {
                put(narrow, from);
                k += 3;
            } else if (const Spelling* spelling = spellingAt(k)) {
                put(spelling->ascii, from);
                k += spelling->typed.size();
            } else {
                const std::size_t length = Utf8Length(typed_, k);
                put(typed_.substr(k, length), from);
                k += length;
            }
        }
        return std::move(out_);
    }

  private:
    const Spelling* spellingAt(std::size_t k) const {
        for (const Spelling& s : kSpellings) {
            if (typed_.substr(k, s.typed.size()) != s.typed) continue;
            if (applies(s, k)) return &s;
        }
        return nullptr;
    }
    bool applies(const Spelling& s, std::size_t k) const {
        switch (s.where) {
            case Where::Anywhere:
                return true;
            case Where::BetweenDigits:
                return !out_.text.empty() && IsDigit(out_.text.back()) &&
                       DigitAt(typed_, k + s.typed.size());
            case Where::InBrackets:
                return openBrackets_ > 0;
        }
        return false;
    }
    void put(std::string_view ascii, std::uint32_t from) {
        for (char c : ascii)
            openBrackets_ += c == '(' ? 1 : c == ')' ? -1 : 0;
        out_.append(ascii, from);
    }

    std::string_view typed_;
    TracedText out_;
    long openBrackets_ = 0;
};

}  // namespace

TracedText MapTypedSpellings(std::string_view typed) {
    return SpellingMapper(typed).run();
}

}  // namespace plotter
