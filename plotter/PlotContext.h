// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "canvas/Canvas.h"
#include "canvas/Palette.h"
#include "canvas/View.h"
#include "plotter/YieldPacer.h"
#include "script/ScriptEngine.h"

namespace plotter {

class PointFileWriter;

// Form-level state the equation plotter keeps for the life of the window.
struct PlotState {
    bool blnCancel = false;            // the cancel request (also set by quitting)
    std::int16_t intBlink = 0;         // tick counter of the status animation, never reset
    std::uint64_t plotGeneration = 0;  // bumped by every cancel: a cancelled plot never resumes
    int plotsRunning = 0;              // plots on the call stack (one, unless nested)
    // Why the point file lacks records of the last draw (its writer stopped); empty: whole.
    std::string pointFileFault;
    // The point files the running plots write, each with records not yet written.
    std::vector<PointFileWriter*> openPointFiles;
};

// What the equation plotter reaches of the window. The window fills it once; tests build
// exactly what a routine needs. No window header is needed below the shell.
struct PlotContext {
    canvas::Canvas& picture1;      // the plot canvas
    canvas::Canvas& picture4;      // the legend box
    script::ScriptEngine& engine;  // ScriptControl1
    PlotState& state;
    std::function<std::string()> comboText;     // Combo1.Text
    std::function<std::string(int)> rangeText;  // Text4(index).Text
    std::function<std::string()> workingText;   // txt表达式.Text
    std::function<void(const std::string&)> setWorkingText;
    std::function<void(const std::string&)> setStatus;  // Label5.Caption
    std::function<void(bool)> setTimerEnabled;          // Timer1.Enabled
    std::function<void(bool)> setDrawEnabled;           // cmd绘制图像.Enabled
    std::function<void()> yield;                        // one pass of the event loop
    std::string pointFolder;                            // folder of the point file
    // A modal message box (OK only), and the text of run-time error N for the user.
    std::function<void(const std::string&)> showMessage;
    std::function<std::string(int)> errorText;
    // Computing time between two passes of the event loop; zero passes before every sample.
    std::chrono::nanoseconds yieldInterval = kYieldInterval;
    // Colour of the plot dots: the role colour, or the curve's own under 多色曲线.
    QRgb curveColour = canvas::kPlotDotColour;
    // Text1.Text (0) and Text2.Text (1): a and b, which equations may use too.
    std::function<std::string(int)> parameterText = {};
    // The point file's name in pointFolder; another window of the folder may own the first.
    std::string pointFileName = "CoordinateData.txt";
    // Bytes of point records gathered before they are written (and before every pass of the
    // event loop, and at the end). 0: each record at once, so the file is complete after each
    // point for whoever reads it; only a point file no one else sees may gather.
    std::size_t pointFileBlock = 0;
    // Selects bytes [offset, offset + length) of Combo1.Text, where a message points.
    std::function<void(std::size_t offset, std::size_t length)> selectInEquation = {};
    // The part of the plane Picture1 shows; none: the start-up view.
    std::function<canvas::View()> shownView = {};
};

}  // namespace plotter
