// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "presets/PresetContext.h"
#include "vbrt/Variant.h"

namespace presets {

// Reads parameter a (Text1) or b (Text2) by the leading-number rule, full-width forms
// narrowed first, into its field and returns it. A text beyond the double range raises
// overflow and leaves the field as it was.
double ReadA(PresetContext& ctx);
double ReadB(PresetContext& ctx);

// A guard: when `refused`, shows the message and moves the focus to the box. Returns
// `refused`, so a handler reads `if (Refuse(...)) return;`.
bool Refuse(PresetContext& ctx, bool refused, const std::string& message, ParameterBox box);

// Sets one black preset point; a coordinate beyond single precision (or not a number)
// raises overflow and sets nothing.
void SetPoint(PresetContext& ctx, double x, double y);

// The number of a power result, or a type mismatch when the result is a text or empty
// (no real value): such a step has no point.
double RealValue(const vbrt::Variant& value);

// Formula items: the print form of a number item (" 2 ", "-.5 ") and the plain form of a
// number or text joined into a text ("2", "0.5", "(-2)").
std::string Item(double value);
std::string Joined(const vbrt::Variant& value);

// Replaces a negative parameter by its parenthesised text, "(-2)", for a formula line.
void ParenthesiseIfNegative(vbrt::Variant& field);

// Prints one formula line (its items already concatenated) on the strip.
void PrintFormula(PresetContext& ctx, const std::string& line);

}  // namespace presets
