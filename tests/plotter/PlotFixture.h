// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTemporaryDir>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "canvas/Canvas.h"
#include "canvas/Frame.h"
#include "plotter/PlotContext.h"
#include "script/ScriptEngine.h"

// A window stand-in for the equation plotter: plain canvases, the real script engine, the
// boxes and controls as plain values, a temporary program folder, and a yield before every
// sample that counts samples and can run a scripted action (a click) at a chosen sample.
struct PlotFixture {
    PlotFixture();

    canvas::Canvas picture1{8400, 7680};
    canvas::Canvas picture4{2535, 1455};
    script::ScriptEngine engine;
    plotter::PlotState state;
    QTemporaryDir folder;

    std::string combo;
    std::array<std::string, 6> ranges{"-5", "5", "-5", "5", "0", "2"};
    std::array<std::string, 2> parameters{"2", "3"};  // Text1 (a), Text2 (b)
    std::string working = "！！";
    std::vector<std::string> statuses;
    std::vector<std::string> messages;
    bool timerEnabled = false;
    bool drawEnabled = true;
    int samples = 0;
    // Runs inside the yield of the given sample (1-based); 0 runs nothing.
    int actionAtSample = 0;
    std::function<void()> action;

    plotter::PlotContext ctx;

    // Types the equation into the combo box and clicks the draw button.
    void draw(const std::string& equation);
    std::string status() const { return statuses.empty() ? std::string() : statuses.back(); }
    std::string pointFilePath() const;
    std::string pointFile() const;
    std::vector<std::string> records() const;
    // Dots (PSet) on the plot canvas since the last Cls.
    std::vector<canvas::CanvasOp> dots() const;
    std::vector<canvas::CanvasOp> segments(QRgb colour) const;
    void writePointFile(const std::string& content) const;
};
