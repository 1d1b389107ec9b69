#include "presets/Presets.h"

#include <algorithm>
#include <array>
#include <string>

#include "presets/PresetHandlers.h"

namespace presets {

namespace {

struct PresetButton {
    std::string_view name;
    void (*handler)(PresetContext&);
};

// The curve table: button names in their order, each with its click handler.
constexpr std::array<PresetButton, 14> kButtons{{
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
}};

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
    const auto* button = std::find_if(kButtons.begin(), kButtons.end(),
                                      [&](const PresetButton& b) { return b.name == name; });
    if (button == kButtons.end()) return false;
    button->handler(ctx);
    return true;
}

}  // namespace presets
