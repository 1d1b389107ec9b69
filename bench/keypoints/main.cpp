// SPDX-License-Identifier: GPL-3.0-or-later
// Times the key points of five drawn curves in the start-up view, as the window asks for
// them: every zero, y-intercept, extremum and pairwise intersection, refined with the engine.
// The goal is below 200 ms per set; the figure is the best of five runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "plotter/KeyPoints.h"
#include "plotter/TypedCurves.h"

namespace {

struct CurveSet {
    const char* label;
    std::vector<const char*> equations;
};

// One of each form, then the hardest case: five implicit curves, ten implicit pairs.
const CurveSet kSets[] = {
    {"mixed forms", {"y=x^2-2x-3", "y=x+1", "x^2+y^2=4", "y^2=9-x^2", "x=3*cos(t);y=2*sin(t)"}},
    {"five explicit", {"y=x^2-2x-3", "y=x+1", "y=x^3-3x", "y=sin(x)", "y=1/x"}},
    {"five implicit", {"x^2+y^2=4", "x^2/9+y^2=1", "x*y=1", "x^2-y^2=1", "(x-1)^2+y^2=9"}},
};

double Milliseconds(const CurveSet& set, std::size_t& found) {
    const auto start = std::chrono::steady_clock::now();
    plotter::TypedCurves typed;
    std::vector<plotter::KeyCurve> curves;
    for (const char* e : set.equations)
        if (auto c = typed.curve(e, {}, int(curves.size()) + 1)) curves.push_back(std::move(*c));
    found = plotter::FindKeyPoints(curves, {}).size();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

}  // namespace

int main() {
    std::printf("%-16s %8s %7s\n", "CASE", "BEST_MS", "POINTS");
    for (const CurveSet& set : kSets) {
        double best = 1e300;
        std::size_t found = 0;
        for (int run = 0; run < 5; ++run)
            best = std::min(best, Milliseconds(set, found));
        std::printf("%-16s %8.1f %7zu\n", set.label, best, found);
    }
    return 0;
}
