// SPDX-License-Identifier: GPL-3.0-or-later
// funcurve-cli normalize: the equation text as the draw command normalises it.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Subcommand.h"
#include "plotter/Normalize.h"

namespace {

int RunNormalize(const std::vector<std::string>& args) {
    bool difference = false;
    std::vector<std::string> texts;
    for (const auto& a : args) {
        if (a == "--difference") {
            difference = true;
        } else {
            texts.push_back(a);
        }
    }
    for (const auto& t : texts) {
        std::string s = plotter::NormalizeEquation(t);
        if (difference) s = plotter::EquationToDifference(s);
        std::printf("%s\n", s.c_str());
    }
    return 0;
}

const bool registered = cli::RegisterSubcommand({
    "normalize",
    "[--difference] TEXT...",
    "规范化方程文本（课本写法如 sin x、|x|、√x 改成程序的写法，去空格、小写、补乘号），"
    "每个一行；--difference 再化为 abs(右-(左)) 形式。",
    "Normalise each equation text (textbook notation such as sin x, |x|, √x rewritten, "
    "blanks out, lower case, explicit *), one line each; "
    "--difference then rewrites L=R as abs(R-(L)).",
    RunNormalize,
});

}  // namespace
