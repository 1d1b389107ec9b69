// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>
#include <cstdint>
#include <string>

#include "canvas/Canvas.h"
#include "canvas/Palette.h"
#include "canvas/View.h"

namespace canvas {

// The window's frame: the view it shows, its zoom factors (the view's sides over the
// start-up 24 units, so 1 at start-up), the tick loop variable, and whether the x axis is
// numbered in multiples of pi.
struct FrameState {
    FrameState(double x = 1, double y = 1, std::int16_t tick = 0)
        : xZoom(x), yZoom(y), intTick(tick) {}

    double xZoom = 1;
    double yZoom = 1;
    std::int16_t intTick = 0;
    View view;
    bool piTicks = false;
};

// DrawWidth 1; both factors set to 1; the user frame -12..12 from their integer parts.
void SetupCanvas(Canvas& picture, double& xFactor, double& yFactor);
// Applies the frame's view to the picture's scale and sets the zoom factors from it.
void ApplyView(Canvas& picture, FrameState& frame);
// The plain frame in the view: the two plain axes that stop two start-up units (in pixels) short
// of the edges; at start-up zoom 1, user frame -12..12 and the axes from -10 to 10.
void ResetPlotFrame(Canvas& picture, FrameState& frame);
// Text in the label colour with its top-left corner at (x, y); ForeColor stays that colour. The
// canvas font is switched to hard-edged glyphs for good, so printing the same text twice changes
// nothing.
void PrintAt(Canvas& picture, double x, double y, const std::string& text);
// PSet with x, y as singles (overflow raises vbrt::RuntimeError 6) and the colour rounded;
// true when the dot marked the picture.
bool PlotPoint(Canvas& picture, double x, double y, double colour);
// b when a >= b, otherwise a.
float MinOf(float a, float b);

// Grid lines at every tick step, quadrant by quadrant outwards from the axes, in the
// current frame and pen width: at start-up 96 segments at every whole unit.
void DrawGrid(Canvas& picture, bool xInPi = false);
// Grid, axes with arrowheads, names, ticks and tick numbers, in the frame's view with
// tick steps whose numbers do not overlap (every whole unit at start-up).
void DrawCoordinateSystem1(Canvas& picture, FrameState& frame);
// Axes with arrowheads and names, shorter ticks, no grid and no numbers.
void DrawCoordinateSystem2(Canvas& picture, FrameState& frame);

// Read-out caption "( x, y )" with "0.00" numbers, from the single-precision position.
std::string PointerPositionText(float x, float y);

}  // namespace canvas
