// SPDX-License-Identifier: GPL-3.0-or-later
// funcurve-cli table: the table of values of a y= equation, as the plot evaluates it.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Subcommand.h"
#include "cli/TableArguments.h"
#include "plotter/ValueTable.h"
#include "script/ScriptEngine.h"

namespace {

int runTable(const std::vector<std::string>& args) {
    const cli::table::Parsed parsed = cli::table::ParseArguments(args);
    if (parsed.help) {
        std::printf(
            "用法 / Usage: funcurve-cli table EQUATION [--from A] [--step S] [--count N]\n");
        return 0;
    }
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "funcurve-cli table: %s\n", parsed.error.c_str());
        return 2;
    }
    script::ScriptEngine engine;
    for (const auto& row : plotter::ExplicitTable(engine, parsed.equation, parsed.range)) {
        if (row.error)
            std::printf("%s\tError\t%d\n", row.x.c_str(), row.error);
        else
            std::printf("%s\t%s\n", row.x.c_str(), row.y.c_str());
    }
    return 0;
}

const bool registered = cli::RegisterSubcommand({
    "table",
    "EQUATION [--from A] [--step S] [--count N]",
    "y= 方程的数值表（默认从 -5 起，步长 0.5，21 行），按绘图时的方式计算，每行 X<TAB>Y 或 "
    "X<TAB>Error<TAB>错误号。",
    "Table of values of a y= equation (from -5, step 0.5, 21 rows by default), evaluated as the "
    "plot evaluates it; one line each: X<TAB>Y or X<TAB>Error<TAB>N.",
    runTable,
});

}  // namespace
