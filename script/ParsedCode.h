// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

namespace script {

struct FastAssignment;

// An AddCode text read once and kept with its reading, for a text that a plot runs again
// and again (the x of a column, the y of a row). ScriptEngine::TryAddCode of it does
// exactly what TryAddCode of its text does, without reading the number again.
class ParsedCode {
  public:
    explicit ParsedCode(std::string text);
    ~ParsedCode();
    ParsedCode(ParsedCode&&) noexcept;
    ParsedCode& operator=(ParsedCode&&) noexcept;

    const std::string& text() const { return text_; }
    // The reading of a "NAME=NUMBER" text; null for any other text.
    const FastAssignment* assignment() const { return assignment_.get(); }

  private:
    std::string text_;
    std::unique_ptr<FastAssignment> assignment_;
};

// The constants every plot assigns, worded as the plotters word them.
inline constexpr const char* kPlotConstants[] = {"e= 2.71828", "p= 3.1415926"};

}  // namespace script
