// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "canvas/Canvas.h"
#include "canvas/Palette.h"
#include "vbrt/Variant.h"

namespace presets {

// Fields of the window shared by all presets: parameters as last read (a negative one may
// be replaced by its parenthesised text) and the sweep variable of some presets.
struct PresetFields {
    vbrt::Variant varA;
    vbrt::Variant varB;
    double varX = 0.0;
};

// The parameter boxes a guard can send the focus back to.
enum class ParameterBox { A, B };  // Text1, Text2

// What a preset reaches of the window.
struct PresetContext {
    canvas::Canvas& picture1;  // the plot canvas
    canvas::Canvas& picture2;  // the formula strip
    PresetFields& fields;
    std::function<std::string()> textA;                   // Text1.Text
    std::function<std::string()> textB;                   // Text2.Text
    std::function<void(const std::string&)> showMessage;  // modal message, OK only
    std::function<void(ParameterBox)> setFocus;
    // Colour of the preset's dots: the role colour, or the curve's own under 多色曲线.
    QRgb dotColour = canvas::kPresetDotColour;
};

}  // namespace presets
