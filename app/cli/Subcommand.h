// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

// Each subcommand lives in its own file and registers itself here, so adding one needs no
// edit of the dispatcher.
namespace cli {

struct Subcommand {
    std::string name;
    std::string usage;      // argument synopsis after the name
    std::string summaryZh;  // one line, Chinese
    std::string summaryEn;  // one line, English
    std::function<int(const std::vector<std::string>& args)> run;
};

std::vector<Subcommand>& Subcommands();

inline bool RegisterSubcommand(Subcommand command) {
    Subcommands().push_back(std::move(command));
    return true;
}

}  // namespace cli
