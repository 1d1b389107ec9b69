// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/TableArguments.h"

#include <cmath>

#include "plotter/EquationForm.h"
#include "plotter/Normalize.h"
#include "texts/Texts.h"
#include "vbrt/NumberReading.h"

namespace cli::table {
namespace {

// Splits "--name=value" or takes the value from the next argument.
bool OptionValue(const std::vector<std::string>& args, std::size_t& k, const std::string& name,
                 std::string& value) {
    const std::string& a = args[k];
    if (a.rfind(name + "=", 0) == 0) {
        value = a.substr(name.size() + 1);
        return true;
    }
    if (a != name) return false;
    value = k + 1 < args.size() ? args[++k] : "";
    return true;
}

std::string NumberError(const std::string& name, const std::string& text, double& out) {
    const auto number = vbrt::ParseNumber(text);
    if (number && std::isfinite(*number)) {
        out = *number;
        return {};
    }
    return texts::Fill(texts::kCliTableNotANumber, {name, text});
}

std::string CountError(const std::string& text, int& out) {
    const auto number = vbrt::ParseNumber(text);
    if (number && *number >= 1 && *number <= plotter::kMaxTableRows &&
        *number == std::floor(*number)) {
        out = int(*number);
        return {};
    }
    return texts::Fill(texts::kCliTableBadCount, {std::to_string(plotter::kMaxTableRows), text});
}

std::string CheckJob(Parsed& p, const std::vector<std::string>& equations) {
    if (equations.size() != 1) return texts::Fill(texts::kCliTableOneEquation, {});
    p.equation = plotter::NormalizeEquation(equations[0]);
    if (plotter::ClassifyEquation(p.equation) != plotter::EquationForm::ExplicitY)
        return texts::Fill(texts::kCliTableNeedsGraph, {equations[0]});
    if (!std::isfinite(p.range.from + (p.range.count - 1) * p.range.step))
        return texts::Fill(texts::kCliTableTooFar, {});
    return {};
}

}  // namespace

Parsed ParseArguments(const std::vector<std::string>& args) {
    Parsed p;
    std::vector<std::string> equations;
    for (std::size_t k = 0; k < args.size() && p.error.empty(); ++k) {
        std::string value;
        if (args[k] == "--help" || args[k] == "-h") {
            p.help = true;
            return p;
        } else if (OptionValue(args, k, "--from", value)) {
            p.error = NumberError("--from", value, p.range.from);
        } else if (OptionValue(args, k, "--step", value)) {
            p.error = NumberError("--step", value, p.range.step);
        } else if (OptionValue(args, k, "--count", value)) {
            p.error = CountError(value, p.range.count);
        } else if (args[k].rfind("--", 0) == 0) {
            p.error = texts::Fill(texts::kCliUnknownOption, {args[k]});
        } else {
            equations.push_back(args[k]);
        }
    }
    if (p.error.empty()) p.error = CheckJob(p, equations);
    return p;
}

}  // namespace cli::table
