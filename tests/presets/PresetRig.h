// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "canvas/Canvas.h"
#include "presets/PresetContext.h"
#include "presets/Presets.h"

// What a preset reaches of the window, built for a test: the plot canvas in its -12..12
// frame with the trace on, the formula strip, the parameter boxes, and recorders for
// messages and focus moves.
struct PresetRig {
    canvas::Canvas picture1{8400, 7680};
    canvas::Canvas picture2{2415, 1200};
    presets::PresetFields fields;
    std::string textA = "2";
    std::string textB = "3";
    std::vector<std::string> messages;
    std::vector<presets::ParameterBox> focus;
    presets::PresetContext ctx{picture1,
                               picture2,
                               fields,
                               [this] { return textA; },
                               [this] { return textB; },
                               [this](const std::string& text) { messages.push_back(text); },
                               [this](presets::ParameterBox box) { focus.push_back(box); }};

    PresetRig(std::string a = "2", std::string b = "3") : textA(std::move(a)), textB(std::move(b)) {
        picture1.Scale(-12, 12, 12, -12);
        picture1.setTraceEnabled(true);
        picture2.setTraceEnabled(true);
    }
    PresetRig(const PresetRig&) = delete;
    PresetRig& operator=(const PresetRig&) = delete;

    bool press(std::string_view name) { return presets::RunPreset(name, ctx); }

    // The points set on the plot canvas, in order.
    std::vector<canvas::CanvasOp> points() const {
        std::vector<canvas::CanvasOp> result;
        for (const auto& op : picture1.trace()) {
            if (op.kind == canvas::CanvasOp::Point) result.push_back(op);
        }
        return result;
    }

    const std::vector<std::string>& formulaLines() const { return picture2.printedLines(); }
};
