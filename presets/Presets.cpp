// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/Presets.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "presets/PresetHandlers.h"
#include "vbrt/Distinct.h"

namespace presets {

namespace {

struct PresetButton {
    std::string_view name;
    void (*handler)(PresetContext&);
};

// The curve table: button names in their order, each with its click handler.
constexpr PresetButton kButtons[] = {
    {"line", DrawLine},
    {"paowu", DrawParabola},
    {"mihanshu1", DrawPower},
    {"mihanshu2", DrawRootPower},
    {"zhishu", DrawExponential},
    {"duishu", DrawLogarithm},
    {"fanbili", DrawInverseProportion},
    {"zhengxian", DrawSine},
    {"yuxian", DrawCosine},
    {"zhengqie", DrawTangent},
    {"yuqie", DrawCotangent},
    {"tuoyuan", DrawEllipse},
    {"shuang1", DrawHyperbolaX},
    {"shuang2", DrawHyperbolaY},
};
static_assert(vbrt::AllDistinct(kButtons, [](const PresetButton& b) { return b.name; }),
              "two presets share a name");

}  // namespace

const std::vector<std::string_view>& PresetNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> list;
        for (const auto& button : kButtons)
            list.push_back(button.name);
        return list;
    }();
    return names;
}

bool RunPreset(std::string_view name, PresetContext& ctx) {
    const auto* button = std::find_if(std::begin(kButtons), std::end(kButtons),
                                      [&](const PresetButton& b) { return b.name == name; });
    if (button == std::end(kButtons)) return false;
    button->handler(ctx);
    return true;
}

}  // namespace presets
