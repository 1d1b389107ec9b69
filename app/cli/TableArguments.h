// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "plotter/ValueTable.h"

// The arguments of `funcurve-cli table EQUATION [--from A] [--step S] [--count N]`.
namespace cli::table {

struct Parsed {
    std::string equation;  // normalised, a y= form
    plotter::TableRange range;
    bool help = false;
    std::string error;  // a usage error for the user; empty when the job is sound
};

// Values are number texts ("-5", "0.25", "1e-3"); an option's value may also be
// written --from=VALUE. Every x of the table is a finite number.
Parsed ParseArguments(const std::vector<std::string>& args);

}  // namespace cli::table
