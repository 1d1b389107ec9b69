// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the argument parser of `funcurve-cli table`: the input is split at NUL
// bytes into arguments. Every list is a job, a help request or one usage error, and a job's
// rows are few enough to print and all finite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "ArgumentSplit.h"
#include "cli/TableArguments.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> args = SplitArguments(data, size);
    const cli::table::Parsed parsed = cli::table::ParseArguments(args);
    if (parsed.help || !parsed.error.empty()) return 0;
    const auto& range = parsed.range;
    if (range.count < 1 || range.count > plotter::kMaxTableRows) std::abort();
    if (!std::isfinite(range.from + (range.count - 1) * range.step)) std::abort();
    if (parsed.equation.rfind("y=", 0) != 0) std::abort();
    return 0;
}
