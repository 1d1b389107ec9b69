// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

#include "presets/PresetContext.h"

namespace presets {

// Names of the fourteen preset buttons, in the order of the curve table.
const std::vector<std::string_view>& PresetNames();

// Runs the click handler of the preset button with this name; false for an unknown name.
bool RunPreset(std::string_view name, PresetContext& ctx);

}  // namespace presets
