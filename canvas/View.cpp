// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/View.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace canvas {
namespace {

constexpr double kFarthestEdge = 1e6;
// Single-precision coordinates keep about seven digits: a side narrower than this part of
// its largest edge would show steps of whole pixels.
constexpr double kNarrowestSide = 1e-3;

bool IsUsableSide(double low, double high) {
    if (!std::isfinite(low) || !std::isfinite(high) || !(low < high)) return false;
    const double farthest = std::max(std::abs(low), std::abs(high));
    return farthest <= kFarthestEdge && high - low >= kNarrowestSide * std::max(1.0, farthest);
}

// Pixels between the first and the last pixel centre, as the canvas maps its scale.
double Span(int pixels) {
    return std::max(1, pixels - 1);
}

// One number with optional blanks around it.
std::optional<double> ParseNumber(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
    return value;
}

}  // namespace

bool IsUsableView(const View& view) {
    return IsUsableSide(view.left, view.right) && IsUsableSide(view.bottom, view.top);
}

std::optional<View> ParseView(const char* text) {
    std::string_view rest(text);
    double numbers[4];
    for (int i = 0; i < 4; ++i) {
        const size_t comma = i < 3 ? rest.find(',') : rest.size();
        if (comma == rest.npos) return {};
        const auto number = ParseNumber(rest.substr(0, comma));
        if (!number) return {};
        numbers[i] = *number;
        rest.remove_prefix(std::min(rest.size(), comma + 1));
    }
    const View view{numbers[0], numbers[1], numbers[2], numbers[3]};
    if (!IsUsableView(view)) return {};
    return view;
}

View ZoomedAbout(const View& view, QPointF fixedPoint, double factor) {
    if (!std::isfinite(factor) || factor <= 0) return view;
    const auto scaled = [factor](double edge, double fixed) {
        return fixed + (edge - fixed) / factor;
    };
    const View zoomed{scaled(view.left, fixedPoint.x()), scaled(view.right, fixedPoint.x()),
                      scaled(view.bottom, fixedPoint.y()), scaled(view.top, fixedPoint.y())};
    return IsUsableView(zoomed) ? zoomed : view;
}

View PannedBy(const View& view, QPointF pixelShift, QSize pixels) {
    const double dx = -pixelShift.x() * view.width() / Span(pixels.width());
    const double dy = pixelShift.y() * view.height() / Span(pixels.height());
    const View moved{view.left + dx, view.right + dx, view.bottom + dy, view.top + dy};
    return IsUsableView(moved) ? moved : view;
}

View WithEqualUnits(const View& view, QSize pixels) {
    const double unitsPerPixel =
        std::max(view.width() / Span(pixels.width()), view.height() / Span(pixels.height()));
    const double halfWidth = unitsPerPixel * Span(pixels.width()) / 2;
    const double halfHeight = unitsPerPixel * Span(pixels.height()) / 2;
    const double cx = (view.left + view.right) / 2, cy = (view.bottom + view.top) / 2;
    const View equal{cx - halfWidth, cx + halfWidth, cy - halfHeight, cy + halfHeight};
    return IsUsableView(equal) ? equal : view;
}

}  // namespace canvas
