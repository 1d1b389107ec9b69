// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/RangeBoxes.h"

#include "vbrt/NarrowText.h"
#include "vbrt/NumberReading.h"
#include "vbrt/NumberText.h"
#include "vbrt/RuntimeError.h"

namespace plotter {
namespace {

std::string BoxText(const PlotContext& ctx, RangeBox box) {
    return vbrt::NumberToText(RangeValue(ctx, box));
}

}  // namespace

double RangeTextValue(std::string_view text) {
    try {
        return vbrt::Val(vbrt::NarrowText(text));
    } catch (const vbrt::RuntimeError&) {
        return 0;
    }
}

double RangeValue(const PlotContext& ctx, RangeBox box) {
    return RangeTextValue(ctx.rangeText(box));
}

double ParameterValue(const PlotContext& ctx, ParameterBox box) {
    return ctx.parameterText ? RangeTextValue(ctx.parameterText(box)) : 0;
}

std::string XYRangeLegend(const PlotContext& ctx) {
    return "(" + BoxText(ctx, kXFrom) + "≤x≤" + BoxText(ctx, kXTo) + "，" + BoxText(ctx, kYFrom) +
           "≤y≤" + BoxText(ctx, kYTo) + ")";
}

std::string XRangeLegend(const PlotContext& ctx) {
    return "(" + BoxText(ctx, kXFrom) + "≤x≤" + BoxText(ctx, kXTo) + ")";
}

std::string TRangeLegend(const PlotContext& ctx) {
    return "(" + BoxText(ctx, kTFrom) + "π≤t≤" + BoxText(ctx, kTTo) + "π)";
}

}  // namespace plotter
