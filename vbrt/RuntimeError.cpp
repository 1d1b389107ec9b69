// SPDX-License-Identifier: GPL-3.0-or-later
#include "vbrt/RuntimeError.h"

#include "vbrt/Distinct.h"

namespace vbrt {

namespace {

struct ErrorRow {
    int number;
    const char* english;
    const char* chinese;
};

constexpr ErrorRow kErrors[] = {
#define VBRT_ERROR_ROW(name, number, english, chinese) {number, english, chinese},
    VBRT_ERRORS(VBRT_ERROR_ROW)
#undef VBRT_ERROR_ROW
};
static_assert(AllDistinct(kErrors, [](const ErrorRow& row) { return row.number; }),
              "two errors share a number");

// The table's row of a number, or nullptr.
const ErrorRow* rowOf(int number) {
    for (const ErrorRow& row : kErrors) {
        if (row.number == number) return &row;
    }
    return nullptr;
}

}  // namespace

const char* ErrorText(int number) {
    const ErrorRow* row = rowOf(number);
    return row ? row->english : "Script error";
}

const char* ChineseErrorText(int number) {
    const ErrorRow* row = rowOf(number);
    return row ? row->chinese : "运行出错";
}

RuntimeError::RuntimeError(int number, const std::string& what)
    : std::runtime_error(what.empty() ? ErrorText(number) : what), number_(number) {}

}  // namespace vbrt
