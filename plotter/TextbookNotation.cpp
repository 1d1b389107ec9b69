// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/TextbookNotation.h"

#include <algorithm>
#include <vector>

#include "script/Lexer.h"

namespace plotter {
namespace {

constexpr std::string_view kFunctionNames[] = {
    "abs", "atn", "cos", "exp",  "fix",  "int",  "log",   "round", "sgn",
    "sin", "sqr", "tan", "cint", "clng", "cdbl", "cbool", "lg",    "ln",
};
// Names a plot may define: its variables, the parameters a and b, e and p.
constexpr std::string_view kOneLetterNames = "abeprtxy";
// Deeper brackets, bars and roots pass unchanged (and the engine refuses them).
constexpr int kMaxDepth = 100;

bool IsFunctionName(std::string_view word) {
    return std::ranges::find(kFunctionNames, word) != std::end(kFunctionNames);
}
bool IsOneLetterName(char c) {
    return kOneLetterNames.find(c) != std::string_view::npos;
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Longest function name at the start of text, 0 when none.
std::size_t FunctionPrefix(std::string_view text) {
    std::size_t longest = 0;
    for (std::string_view name : kFunctionNames)
        if (text.starts_with(name)) longest = std::max(longest, name.size());
    return longest;
}

enum class Kind { Word, Number, Open, Close, Bar, SquareRoot, CubeRoot, Caret, Sign, Other };

struct Token {
    Kind kind;
    std::size_t begin;
    std::size_t end;
};

// Splits the text into words, numbers and signs, dropping blanks; a word that is no name
// becomes the pieces it is made of, when it is made of names.
class Tokenizer {
  public:
    explicit Tokenizer(std::string_view s) : s_(s) {}

    std::vector<Token> run() {
        for (std::size_t k = 0; k < s_.size();) {
            if (s_[k] == ' ') {
                ++k;
            } else if (script::isNameStart(s_[k])) {
                std::size_t end = k;
                while (end < s_.size() && script::isNameChar(s_[end]))
                    ++end;
                word(k, end);
                k = end;
            } else if (IsDigit(s_[k]) ||
                       (s_[k] == '.' && k + 1 < s_.size() && IsDigit(s_[k + 1]))) {
                k = number(k);
            } else {
                k = sign(k);
            }
        }
        return std::move(tokens_);
    }

  private:
    std::size_t number(std::size_t k) {
        std::size_t end = k;
        while (end < s_.size() && (IsDigit(s_[end]) || s_[end] == '.'))
            ++end;
        tokens_.push_back({Kind::Number, k, end});
        return end;
    }

    std::size_t sign(std::size_t k) {
        static constexpr std::pair<std::string_view, Kind> kSigns[] = {
            {"(", Kind::Open}, {")", Kind::Close}, {"|", Kind::Bar},        {"^", Kind::Caret},
            {"+", Kind::Sign}, {"-", Kind::Sign},  {"√", Kind::SquareRoot}, {"∛", Kind::CubeRoot},
        };
        for (const auto& [text, kind] : kSigns) {
            if (s_.substr(k).starts_with(text)) {
                tokens_.push_back({kind, k, k + text.size()});
                return k + text.size();
            }
        }
        const std::size_t end = k + Utf8Length(s_, k);
        tokens_.push_back({Kind::Other, k, end});
        return end;
    }

    // A name stays whole; so does a word written before a bracket (a call, or a function
    // the engine lacks, which it then names) and sqrt (sqr·t is no one's meaning).
    void word(std::size_t begin, std::size_t end) {
        const std::string_view w = s_.substr(begin, end - begin);
        std::size_t next = end;
        while (next < s_.size() && s_[next] == ' ')
            ++next;
        const bool beforeBracket = next < s_.size() && s_[next] == '(';
        const std::size_t kept = tokens_.size();
        if (IsFunctionName(w) || (w.size() == 1 && IsOneLetterName(w[0])) ||
            script::isReservedWord(w) || beforeBracket || w.starts_with("sqrt") ||
            !split(begin, end, false)) {
            tokens_.resize(kept);
            tokens_.push_back({Kind::Word, begin, end});
        }
    }

    // Pieces: one-letter names, or function names each followed by its argument (digits,
    // names) and then perhaps the next function. A name before a function name ("asin")
    // is no such word. False when the word is not made this way.
    bool split(std::size_t begin, std::size_t end, bool afterFunction) {
        for (std::size_t k = begin; k < end;) {
            const std::string_view rest = s_.substr(k, end - k);
            if (const std::size_t f = FunctionPrefix(rest);
                f > 0 && (afterFunction || k == begin)) {
                tokens_.push_back({Kind::Word, k, k + f});
                afterFunction = true;
                k += f;
                if (k < end && IsDigit(s_[k])) {
                    k = number(k);
                    if (k < end && !IsDigit(s_[k]) && s_[k] != '_') return split(k, end, true);
                    return k == end;
                }
            } else if (IsOneLetterName(rest[0])) {
                tokens_.push_back({Kind::Word, k, k + 1});
                ++k;
            } else {
                return false;
            }
        }
        return true;
    }

    std::string_view s_;
    std::vector<Token> tokens_;
};

class Rewriter {
  public:
    Rewriter(const TracedText& in, std::vector<Token> tokens)
        : in_(in), tokens_(std::move(tokens)) {}

    TracedText run() {
        while (pos_ < tokens_.size())
            sequence(Closer::None);
        return std::move(out_);
    }

  private:
    enum class Closer { None, Bracket, Bar };

    bool atEnd() const { return pos_ >= tokens_.size(); }
    const Token& tok() const { return tokens_[pos_]; }
    bool at(Kind kind) const { return !atEnd() && tok().kind == kind; }
    std::string_view text(const Token& t) const {
        return std::string_view(in_.text).substr(t.begin, t.end - t.begin);
    }
    bool isFunction(const Token& t) const {
        return t.kind == Kind::Word && IsFunctionName(text(t));
    }
    bool isReserved(const Token& t) const {
        return t.kind == Kind::Word && script::isReservedWord(text(t));
    }
    bool startsPrimary() const {
        if (atEnd()) return false;
        switch (tok().kind) {
            case Kind::Word:
                return !isReserved(tok());
            case Kind::Number:
            case Kind::Open:
            case Kind::Bar:
            case Kind::SquareRoot:
            case Kind::CubeRoot:
                return true;
            default:
                return false;
        }
    }
    // A factor written right after another one: a name, a bracket or a root.
    bool startsFollowingFactor() const {
        if (atEnd()) return false;
        const Token& t = tok();
        if (t.kind == Kind::Word) return !isReserved(t) && !isFunction(t);
        return t.kind == Kind::Open || t.kind == Kind::SquareRoot || t.kind == Kind::CubeRoot;
    }
    bool nextIsOpen() const {
        return pos_ + 1 < tokens_.size() && tokens_[pos_ + 1].kind == Kind::Open;
    }

    // Text that starts with a letter gets a "*" after a name, so that the two stay apart.
    void emit(std::string_view s, std::uint32_t from, bool word, bool endsOperand) {
        const bool letter = !s.empty() && script::isNameStart(s[0]);
        if (letter && lastWasWord_) out_.append("*", from);
        out_.append(s, from);
        lastWasWord_ = word;
        lastEndsOperand_ = endsOperand;
    }
    void emitToken() {
        const Token& t = tok();
        const bool word = t.kind == Kind::Word && !isReserved(t);
        const bool operand = word || t.kind == Kind::Number || t.kind == Kind::Close;
        const bool letter = t.kind == Kind::Word && lastWasWord_ && word;
        if (letter) out_.append("*", in_.origin[t.begin]);
        out_.append(in_, t.begin, t.end - t.begin);
        lastWasWord_ = word;
        lastEndsOperand_ = operand;
        ++pos_;
    }
    std::uint32_t originOf(const Token& t) const { return in_.origin[t.begin]; }

    void sequence(Closer closer) {
        while (!atEnd()) {
            if (closer != Closer::None && at(Kind::Close)) return;
            if (closer == Closer::Bar && at(Kind::Bar) && lastEndsOperand_) return;
            item();
        }
    }

    // An element of a sequence: a word's brackets are the next element, not its own.
    void item() { primary(false); }

    void group() {
        emitToken();
        if (depth_ >= kMaxDepth) return;
        ++depth_;
        sequence(Closer::Bracket);
        if (at(Kind::Close)) emitToken();
        --depth_;
    }

    void bars() {
        if (depth_ >= kMaxDepth) return emitToken();
        const std::uint32_t from = originOf(tok());
        ++pos_;
        emit("abs(", from, false, false);
        ++depth_;
        sequence(Closer::Bar);
        if (at(Kind::Bar)) {
            emit(")", originOf(tok()), false, true);
            ++pos_;
        }
        --depth_;
    }

    void root() {
        const Token r = tok();
        ++pos_;
        if (depth_ >= kMaxDepth || !startsPrimary()) {
            --pos_;
            return emitToken();
        }
        const std::uint32_t from = originOf(r);
        ++depth_;
        if (r.kind == Kind::CubeRoot) {
            emit("sp(", from, false, false);
            primary();
            emit(",1,3)", from, false, true);
        } else if (at(Kind::Open)) {
            emit("sqr", from, false, false);
            group();
        } else {
            emit("sqr(", from, false, false);
            primary();
            emit(")", from, false, true);
        }
        --depth_;
    }

    void primary(bool bracketsAfterWord = true) {
        switch (tok().kind) {
            case Kind::Word:
                if (isFunction(tok()) && !nextIsOpen()) return application();
                emitToken();
                if (bracketsAfterWord && at(Kind::Open)) group();
                return;
            case Kind::Open:
                return group();
            case Kind::Bar:
                return bars();
            case Kind::SquareRoot:
            case Kind::CubeRoot:
                return root();
            default:
                return emitToken();
        }
    }

    // A factor with its powers: x, 2, (x+1), x^2, x^-1.
    void factor() {
        primary();
        while (at(Kind::Caret)) {
            emitToken();
            if (at(Kind::Sign)) emitToken();
            if (startsPrimary()) primary();
        }
    }

    // name argument -> name(argument): the following factor and the factors written right
    // after it, up to the next function name or operator.
    void application() {
        const std::uint32_t from = originOf(tok());
        emitToken();
        if (depth_ >= kMaxDepth || !startsPrimary() || at(Kind::Open)) return;
        emit("(", from, false, false);
        ++depth_;
        factor();
        while (startsFollowingFactor())
            factor();
        --depth_;
        emit(")", out_.origin.back(), false, true);
    }

    const TracedText& in_;
    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
    TracedText out_;
    int depth_ = 0;
    bool lastWasWord_ = false;
    bool lastEndsOperand_ = false;
};

}  // namespace

std::span<const std::string_view> TextbookFunctionNames() {
    return kFunctionNames;
}

TracedText RewriteTextbookNotation(const TracedText& text) {
    return Rewriter(text, Tokenizer(text.text).run()).run();
}

}  // namespace plotter
