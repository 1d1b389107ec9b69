// SPDX-License-Identifier: GPL-3.0-or-later
// bench-eval: our script engine beside muparser on the same expressions and points.
//
// Prints one line per expression: EXPR<TAB>OURS_NS<TAB>MUPARSER_NS, nanoseconds per
// evaluation, best of several runs, then the geometric mean of the ratios. Variables change
// every 256 evaluations (through AddCode for us, by assignment for muparser), so the figures
// are the evaluation alone. Then one line
// `protocol<TAB>NS<TAB>NS_WITH_TEXT`: the plotters' whole per-sample protocol for the first
// expression (AddCode of "X=...", "Y=...", "e= 2.71828", "p= 3.1415926", then TryEval), with
// the assignment texts prepared beforehand, and with the number-to-text conversion included.
#include <muParser.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "script/ScriptEngine.h"
#include "vbrt/NumberText.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Case {
    const char* ours;
    const char* muparser;
};

constexpr Case kCases[] = {
    {"abs(4-(x^2+y^2))", "abs(4-(x^2+y^2))"},
    {"x^2-1", "x^2-1"},
    {"sin(x)*cos(y)", "sin(x)*cos(y)"},
    {"abs(1-((x/3)^2+(y/2)^2))", "abs(1-((x/3)^2+(y/2)^2))"},
    {"2*x^3-3*x^2+1", "2*x^3-3*x^2+1"},
    {"sqr(abs(x))*exp(-x^2/4)", "sqrt(abs(x))*exp(-x^2/4)"},
};

constexpr int kPoints = 1000;
constexpr int kRepeats = 256;
constexpr int kRuns = 7;

volatile double sink;

// Sample points off the whole numbers, as most plot samples are.
struct Point {
    double x, y;
    std::string xText, yText;
};

std::vector<Point> makePoints() {
    std::vector<Point> points;
    for (int k = 0; k < kPoints; ++k) {
        double x = -4.987 + 0.00497 * k, y = 4.93 - 0.00453 * k;
        points.push_back({x, y, "X=" + vbrt::NumberToText(x), "Y=" + vbrt::NumberToText(y)});
    }
    return points;
}

template <typename Body>
double bestNs(Body body, double evaluations) {
    double best = 1e300;
    for (int run = 0; run < kRuns; ++run) {
        auto start = Clock::now();
        body();
        double ns = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
        best = std::min(best, ns / evaluations);
    }
    return best;
}

double oursPerEval(const Case& c, const std::vector<Point>& points) {
    script::ScriptEngine engine;
    const std::string text = c.ours;  // held as a text, as the plotters hold the equation
    return bestNs(
        [&] {
            double sum = 0;
            for (const Point& p : points) {
                engine.TryAddCode(p.xText);
                engine.TryAddCode(p.yText);
                for (int r = 0; r < kRepeats; ++r)
                    sum += engine.TryEval(text).value.real;
            }
            sink = sum;
        },
        double(kPoints) * kRepeats);
}

double muparserPerEval(const Case& c, const std::vector<Point>& points) {
    double x = 0, y = 0;
    mu::Parser parser;
    parser.DefineVar("x", &x);
    parser.DefineVar("y", &y);
    parser.SetExpr(c.muparser);
    return bestNs(
        [&] {
            double sum = 0;
            for (const Point& p : points) {
                x = p.x;
                y = p.y;
                for (int r = 0; r < kRepeats; ++r)
                    sum += parser.Eval();
            }
            sink = sum;
        },
        double(kPoints) * kRepeats);
}

// The general scan's per-sample work in the engine; `withText` also formats the numbers.
double protocolPerSample(const Case& c, const std::vector<Point>& points, bool withText) {
    script::ScriptEngine engine;
    const std::string text = c.ours;
    return bestNs(
        [&] {
            double sum = 0;
            for (const Point& p : points) {
                if (withText) {
                    engine.TryAddCode("X=" + vbrt::NumberToText(p.x));
                    engine.TryAddCode("Y=" + vbrt::NumberToText(p.y));
                } else {
                    engine.TryAddCode(p.xText);
                    engine.TryAddCode(p.yText);
                }
                engine.TryAddCode("e= 2.71828");
                engine.TryAddCode("p= 3.1415926");
                sum += engine.TryEval(text).value.real;
            }
            sink = sum;
        },
        double(kPoints));
}

}  // namespace

int main() {
    const std::vector<Point> points = makePoints();
    double logRatios = 0;
    for (const Case& c : kCases) {
        const double ours = oursPerEval(c, points), theirs = muparserPerEval(c, points);
        std::printf("%s\t%.1f\t%.1f\n", c.ours, ours, theirs);
        logRatios += std::log(ours / theirs);
    }
    std::printf("geometric mean of ours/muparser\t%.2f\n",
                std::exp(logRatios / double(std::size(kCases))));
    std::printf("protocol\t%.1f\t%.1f\n", protocolPerSample(kCases[0], points, false),
                protocolPerSample(kCases[0], points, true));
    return 0;
}
