// libFuzzer target for the argument parser of `funcurve-cli render`: the input is split at
// NUL bytes into arguments. Every list is a job, a help request or one usage error.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/cli_render_job.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.emplace_back();
        } else {
            args.back() += static_cast<char>(data[i]);
        }
    }
    const cli::render::Parsed parsed = cli::render::ParseArguments(args);
    // A sound job has something to do and somewhere to put it.
    if (!parsed.help && parsed.error.empty() &&
        (parsed.job.steps.empty() || parsed.job.outputs.empty()))
        std::abort();
    return 0;
}
