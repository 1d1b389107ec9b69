// SPDX-License-Identifier: GPL-3.0-or-later
// funcurve-cli: the command-line companion of the plotter. Dispatches to the Subcommands that
// registered themselves (see Subcommand.h).
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Subcommand.h"
#include "texts/Texts.h"

namespace cli {

std::vector<Subcommand>& Subcommands() {
    static std::vector<Subcommand> all;
    return all;
}

}  // namespace cli

namespace {

void PrintHelp(std::FILE* out) {
    auto all = cli::Subcommands();
    std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    std::fprintf(out,
                 "用法 / Usage: funcurve-cli <子命令 subcommand> [参数 arguments]...\n\n"
                 "子命令 / Subcommands:\n");
    for (const auto& c : all) {
        std::fprintf(out, "  %s %s\n      %s\n      %s\n", c.name.c_str(), c.usage.c_str(),
                     c.summaryZh.c_str(), c.summaryEn.c_str());
    }
    std::fprintf(out, "\n  --help  显示本说明 / show this help\n");
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintHelp(args.empty() ? stderr : stdout);
        return args.empty() ? 2 : 0;
    }
    for (const auto& c : cli::Subcommands()) {
        if (c.name == args[0]) return c.run({args.begin() + 1, args.end()});
    }
    std::fprintf(stderr, "%s: %s\n\n", texts::Fill(texts::kCliUnknownSubcommand, {}).c_str(),
                 args[0].c_str());
    PrintHelp(stderr);
    return 2;
}
