// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>
#include <array>
#include <cstddef>

namespace canvas {

// Every colour the plot canvas draws with, named by what it draws. A drawing names its role's
// colour explicitly, never relying on what an earlier drawing left in ForeColor, so changing
// one role changes exactly that role.

// --- Basic colours ----------------------------------------------------------------------
inline constexpr QRgb kGreen = qRgb(0, 255, 0);
inline constexpr QRgb kBlue = qRgb(0, 0, 255);
inline constexpr QRgb kBlack = qRgb(0, 0, 0);
inline constexpr QRgb kYellow = qRgb(255, 255, 0);  // colour 14 of the classic 16-colour palette

// --- Drawing roles ------------------------------------------------------------------------
inline constexpr QRgb kPlainAxesColour = kGreen;      // the two axes every plot starts with
inline constexpr QRgb kCoordinateAxesColour = kBlue;  // axes and arrowheads of 坐标系1/坐标系2
inline constexpr QRgb kTickColour = kBlue;            // tick marks of the coordinate systems
inline constexpr QRgb kLabelColour = kBlue;           // axis names and tick numbers
inline constexpr QRgb kGridColour = kYellow;          // 网格线
inline constexpr QRgb kPlotDotColour = kBlue;         // a point of a typed equation
inline constexpr QRgb kPresetDotColour = kBlack;      // a point of a preset curve
inline constexpr QRgb kJoinSegmentColour = kGreen;    // 连点成线 between recorded points

// --- Marks over the picture, never part of it ------------------------------------------------
inline constexpr QRgb kKeyPointRingColour = qRgb(213, 94, 0);  // 关键点 rings (vermilion)
inline constexpr QRgb kSnapMarkColour = qRgb(204, 121, 167);   // the point the read-out snapped to

// --- Curve palette ------------------------------------------------------------------------
// Colours for telling several curves apart go here, after the roles; the roles above stay
// the colours of a plot drawn without them.

// 多色曲线: each typed curve and preset takes the next of these Okabe–Ito colours, which
// colour-blind readers tell apart; neighbours differ in lightness too, so a grey print keeps
// them apart. The grid's yellow is left out.
inline constexpr std::array<QRgb, 7> kCurvePalette{
    qRgb(0, 114, 178),    // blue
    qRgb(230, 159, 0),    // orange
    qRgb(0, 158, 115),    // bluish green
    qRgb(86, 180, 233),   // sky blue
    qRgb(0, 0, 0),        // black
    qRgb(204, 121, 167),  // reddish purple
    qRgb(213, 94, 0),     // vermillion
};
// The colour of the curve drawn n-th (from 0) since the canvas was last cleared.
constexpr QRgb CurveColour(std::size_t n) {
    return kCurvePalette[n % kCurvePalette.size()];
}

// 浅色网格: the grid of a worksheet page in a light grey that prints well.
inline constexpr QRgb kPrintGridColour = qRgb(210, 210, 210);

}  // namespace canvas
