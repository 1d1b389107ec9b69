// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the argument parser of `funcurve-cli render`: the input is split at
// NUL bytes into arguments. Every list is a job, a help request or one usage error.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "ArgumentSplit.h"
#include "cli/RenderJob.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> args = SplitArguments(data, size);
    const cli::render::Parsed parsed = cli::render::ParseArguments(args);
    if (parsed.help || !parsed.error.empty()) return 0;
    // A sound job has something to do and somewhere to put it; each output comes after the
    // steps before it, in order, and at most one goes to standard output.
    const auto& job = parsed.job;
    if (job.steps.empty() || job.outputs.empty()) std::abort();
    std::size_t stepsBefore = 0, toStandardOutput = 0;
    for (const auto& output : job.outputs) {
        if (output.afterSteps < stepsBefore || output.afterSteps > job.steps.size()) std::abort();
        stepsBefore = output.afterSteps;
        if (output.kind != cli::render::Output::Status && output.path == "-") ++toStandardOutput;
    }
    if (toStandardOutput > 1) std::abort();
    return 0;
}
