// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "plotter/KeyCurve.h"
#include "plotter/ValueTable.h"

namespace presets {

// The curve preset `name` draws with parameters a and b, as the key-point finder reads it:
// its formula over the range its sweep covers. nullopt for an unknown name or parameters
// the preset refuses (its guard), which draw nothing.
std::optional<plotter::KeyCurve> PresetKeyCurve(std::string_view name, double a, double b,
                                                int number);

// Whether the preset is a graph y = f(x), so it has a table of values (not the conics).
bool PresetHasTable(std::string_view name);

// The table of values of a graph preset: its formula at x = from + k·step; a point the
// preset does not set (no real value, a pole) is a row with error 5 (invalid call).
std::vector<plotter::TableRow> PresetTable(std::string_view name, double a, double b,
                                           const plotter::TableRange& range);

}  // namespace presets
