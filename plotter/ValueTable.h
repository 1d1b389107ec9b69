// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "script/ScriptEngine.h"

namespace plotter {

// Start, step and number of rows of a table of values, as the user chose them.
struct TableRange {
    double from = -5;
    double step = 0.5;
    int count = 21;
};

// More rows than anyone reads; a larger count is refused before any is computed.
inline constexpr int kMaxTableRows = 100000;

// One row: x as the number text the engine was given, and y as its number text, or the
// error number of a failed sample (13 for a text result such as "没有实数解", kept in
// `message` so a window can show it).
struct TableRow {
    std::string x;
    std::string y;
    int error = 0;
    std::string message;
};

// The table of a typed y = f(x): x = from + k·step for k = 0 … count-1, each sample evaluated
// through the explicit plot's sample script (x assigned by its number text, e and p, the
// right side converted as the plot converts it).
std::vector<TableRow> ExplicitTable(script::ScriptEngine& engine, std::string_view normalized,
                                    const TableRange& range);

}  // namespace plotter
