// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the argument parser of `funcurve-cli table`: the input is split at NUL
// bytes into arguments. Every list is a job, a help request or one usage error, and a job's
// rows are few enough to print and all finite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/TableArguments.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.emplace_back();
        } else {
            args.back() += static_cast<char>(data[i]);
        }
    }
    const cli::table::Parsed parsed = cli::table::ParseArguments(args);
    if (parsed.help || !parsed.error.empty()) return 0;
    const auto& range = parsed.range;
    if (range.count < 1 || range.count > plotter::kMaxTableRows) std::abort();
    if (!std::isfinite(range.from + (range.count - 1) * range.step)) std::abort();
    if (parsed.equation.rfind("y=", 0) != 0) std::abort();
    return 0;
}
