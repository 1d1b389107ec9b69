// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace vbrt {

// Every error number the program raises: its name in code, the platform's number, the
// platform's English text (the engine's description) and the Chinese text of the window's
// run-time error message. Add a row here and nowhere else.
// clang-format off
#define VBRT_ERRORS(X)                                                                        \
    X(kInvalidCall, 5, "Invalid procedure call or argument", "无效的过程调用或参数")          \
    X(kOverflow, 6, "Overflow", "溢出")                                                       \
    X(kOutOfMemory, 7, "Out of memory", "内存不够")                                           \
    X(kDivisionByZero, 11, "Division by zero", "除数为零")                                    \
    X(kTypeMismatch, 13, "Type mismatch", "类型不匹配")                                       \
    X(kOutOfStackSpace, 28, "Out of stack space", "堆栈溢出")                                 \
    X(kWrongArgumentCount, 450, "Wrong number of arguments or invalid property assignment",   \
      "错误的参数个数或无效的属性赋值")                                                       \
    X(kIllegalAssignment, 501, "Illegal assignment", "非法赋值")                              \
    X(kSyntaxError, 1002, "Syntax error", "语法错误")                                         \
    X(kInvalidCharacter, 1032, "Invalid character", "无效字符")
// clang-format on

enum ErrorNumber : int {
#define VBRT_ERROR_NUMBER(name, number, english, chinese) name = number,
    VBRT_ERRORS(VBRT_ERROR_NUMBER)
#undef VBRT_ERROR_NUMBER
};

// The platform's English text of an error number; "Script error" for a number not in the table.
const char* ErrorText(int number);
// The Chinese text (UTF-8) of an error number; "运行出错" for a number not in the table.
const char* ChineseErrorText(int number);

// The one run-time error of the program: carries the platform's error number so that
// "skip and continue" and "stop and report" can treat every failure alike.
class RuntimeError : public std::runtime_error {
  public:
    // Without a text, the table's English text describes the error.
    explicit RuntimeError(int number, const std::string& what = {});
    int number() const noexcept { return number_; }

  private:
    int number_;
};

}  // namespace vbrt
