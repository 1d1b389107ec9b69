// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QSize>
#include <optional>

namespace canvas {

// The part of the plane the canvas shows, in user units. The start-up view is -12..12 on
// both axes; zooming and panning make new views, and a view the canvas cannot show sharply
// (empty, not finite, too small for single precision, too far out) is refused.
struct View {
    double left = -12, right = 12, bottom = -12, top = 12;

    double width() const { return right - left; }
    double height() const { return top - bottom; }
    bool operator==(const View&) const = default;
};

// The view after start-up and after 还原视图.
inline constexpr View kStartUpView{};

// True when the canvas can show this view: finite edges, left < right, bottom < top, edges
// within +-1e6, and each side at least a thousandth of the largest edge's size (and of 1).
bool IsUsableView(const View& view);
// The view from "X0,X1,Y0,Y1", or nothing when the text is not four numbers that make a
// usable view. Blanks around the numbers are allowed.
std::optional<View> ParseView(const char* text);
// Magnified by factor about the user point that stays where it is (factor 2 halves both
// sides); the view itself when the result would not be usable.
View ZoomedAbout(const View& view, QPointF fixedPoint, double factor);
// Moved so that the picture follows the pointer by pixelShift on a canvas of this size
// (right and down positive); the view itself when the result would not be usable.
View PannedBy(const View& view, QPointF pixelShift, QSize pixels);
// The view widened on its shorter side, about its centre, so that one x unit and one y unit
// take the same number of pixels on a canvas of this size and the whole view stays visible.
View WithEqualUnits(const View& view, QSize pixels);

}  // namespace canvas
