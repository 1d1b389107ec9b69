// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/PresetSupport.h"

#include "canvas/Palette.h"
#include "vbrt/NarrowText.h"
#include "vbrt/NumberReading.h"
#include "vbrt/NumberText.h"
#include "vbrt/Rounding.h"
#include "vbrt/RuntimeError.h"

namespace presets {

namespace {

double ReadInto(vbrt::Variant& field, const std::string& text) {
    const double value = vbrt::Val(vbrt::NarrowText(text));
    field = vbrt::Variant::number(value);
    return value;
}

}  // namespace

double ReadA(PresetContext& ctx) {
    return ReadInto(ctx.fields.varA, ctx.textA());
}

double ReadB(PresetContext& ctx) {
    return ReadInto(ctx.fields.varB, ctx.textB());
}

bool Refuse(PresetContext& ctx, bool refused, const std::string& message, ParameterBox box) {
    if (refused) {
        ctx.showMessage(message);
        ctx.setFocus(box);
    }
    return refused;
}

void SetPoint(PresetContext& ctx, double x, double y) {
    const float sx = vbrt::ToSingle(x);
    const float sy = vbrt::ToSingle(y);
    ctx.picture1.PSet(sx, sy, ctx.dotColour);
}

double RealValue(const vbrt::Variant& value) {
    if (value.type == vbrt::VarType::String || value.type == vbrt::VarType::Empty) {
        throw vbrt::RuntimeError(vbrt::kTypeMismatch, "no real value");
    }
    return vbrt::ToDouble(value);
}

std::string Item(double value) {
    return vbrt::PrintForm(value);
}

std::string Joined(const vbrt::Variant& value) {
    return vbrt::ToText(value);
}

void ParenthesiseIfNegative(vbrt::Variant& field) {
    if (field.isNumeric() && vbrt::ToDouble(field) < 0) {
        field = vbrt::Variant::string("(" + vbrt::ToText(field) + ")");
    }
}

void PrintFormula(PresetContext& ctx, const std::string& line) {
    ctx.picture2.Print(line);
}

}  // namespace presets
