// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/DrawnCurves.h"

#include <algorithm>

#include "plotter/RangeBoxes.h"
#include "presets/PresetCurves.h"
#include "script/ScriptEngine.h"
#include "vbrt/NarrowText.h"
#include "vbrt/NumberReading.h"
#include "vbrt/RuntimeError.h"

namespace shell {
namespace {

// A parameter box's text as the presets read it; nullopt beyond the double range.
std::optional<double> Parameter(const std::string& text) {
    try {
        return vbrt::Val(vbrt::NarrowText(text));
    } catch (const vbrt::RuntimeError&) {
        return std::nullopt;
    }
}

plotter::DrawnRanges Ranges(const canvas::Recipe& r) {
    const auto v = [&](int box) { return plotter::RangeTextValue(r.ranges[box]); };
    return {v(0), v(1), v(2), v(3), v(4), v(5)};
}

QString Name(const canvas::DrawnItem& item) {
    if (item.kind == canvas::ItemKind::TypedPlot)
        return QString::fromStdString(item.recipe.equation);
    const auto lines = item.lines(canvas::Surface::Formula);
    return QString::fromStdString(lines.empty() ? item.recipe.preset : lines.front());
}

}  // namespace

bool IsCurve(const canvas::DrawnItem& item) {
    return item.kind == canvas::ItemKind::TypedPlot || item.kind == canvas::ItemKind::Preset;
}

std::span<const canvas::DrawnItem> Shown(std::span<const canvas::DrawnItem> items) {
    std::size_t first = 0;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].layers[int(canvas::Surface::Plot)].erases) first = i;
    return items.subspan(first);
}

std::string RecipeKey(const canvas::DrawnItem& item) {
    const canvas::Recipe& r = item.recipe;
    std::string key =
        item.kind == canvas::ItemKind::Preset ? r.preset + '\n' + r.a + '\n' + r.b : r.equation;
    for (const std::string& range : r.ranges)
        key += '\n' + range;
    return key + '\f';
}

std::optional<plotter::KeyCurve> CurveOf(const canvas::DrawnItem& item, plotter::TypedCurves& typed,
                                         int number) {
    const canvas::Recipe& r = item.recipe;
    if (item.kind == canvas::ItemKind::TypedPlot) return typed.curve(r.equation, Ranges(r), number);
    if (item.kind != canvas::ItemKind::Preset) return std::nullopt;
    const auto a = Parameter(r.a), b = Parameter(r.b);
    if (!a || !b) return std::nullopt;
    return presets::PresetKeyCurve(r.preset, *a, *b, number);
}

std::string DrawnCurves::Signature(std::span<const canvas::DrawnItem> items) {
    std::string signature;
    for (const canvas::DrawnItem& item : Shown(items))
        if (IsCurve(item)) signature += RecipeKey(item);
    return signature;
}

DrawnCurves::DrawnCurves(std::span<const canvas::DrawnItem> items)
    : typed_(std::make_shared<plotter::TypedCurves>()) {
    std::vector<std::string> seen;
    for (const canvas::DrawnItem& item : Shown(items)) {
        if (!IsCurve(item)) continue;
        const std::string key = RecipeKey(item);
        if (std::find(seen.begin(), seen.end(), key) != seen.end()) continue;
        seen.push_back(key);
        auto curve = CurveOf(item, *typed_, int(curves_.size()) + 1);
        if (!curve) continue;
        curves_.push_back(std::move(*curve));
        recipes_.push_back(item.recipe);
        names_ << Name(item);
    }
}

std::vector<TableCurve> DrawnCurves::tables() const {
    std::vector<TableCurve> tables;
    for (std::size_t k = 0; k < recipes_.size(); ++k) {
        const canvas::Recipe& r = recipes_[k];
        const QString name = names_[int(k)];
        if (!r.preset.empty()) {
            if (!presets::PresetHasTable(r.preset)) continue;
            const double a = Parameter(r.a).value_or(0), b = Parameter(r.b).value_or(0);
            tables.push_back({name, [r, a, b](const plotter::TableRange& range) {
                                  return presets::PresetTable(r.preset, a, b, range);
                              }});
        } else if (curves_[k].shape == plotter::KeyCurve::Shape::Graph) {
            // An engine of its own, as the key points have: the window's keeps its variables.
            auto engine = std::make_shared<script::ScriptEngine>();
            tables.push_back(
                {name, [engine, equation = r.equation](const plotter::TableRange& range) {
                     return plotter::ExplicitTable(*engine, equation, range);
                 }});
        }
    }
    return tables;
}

plotter::ViewRect VisibleRect(const canvas::Canvas& picture) {
    const double left = picture.scaleLeft(), right = left + picture.scaleWidth();
    const double top = picture.scaleTop(), bottom = top + picture.scaleHeight();
    return {std::min(left, right), std::max(left, right), std::min(top, bottom),
            std::max(top, bottom)};
}

plotter::PixelSize PixelSizeOf(const canvas::Canvas& picture) {
    const QSize pixels = picture.pixelSize();
    return {std::abs(picture.scaleWidth()) / std::max(1, pixels.width()),
            std::abs(picture.scaleHeight()) / std::max(1, pixels.height())};
}

std::vector<std::string> KeyPointLines(std::span<const canvas::DrawnItem> items,
                                       const canvas::Canvas& picture) {
    const DrawnCurves drawn(items);
    std::vector<std::string> lines;
    for (const plotter::KeyPoint& p : plotter::FindKeyPoints(drawn.curves(), VisibleRect(picture)))
        lines.push_back(plotter::KeyPointLine(p));
    return lines;
}

}  // namespace shell
