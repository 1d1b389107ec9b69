#pragma once

#include <QRgb>
#include <cstdint>
#include <string>

#include "canvas/Canvas.h"
#include "canvas/Palette.h"

namespace canvas {

// Zoom factors and the tick loop variable of the window's frame.
struct FrameState {
    double xZoom = 1;
    double yZoom = 1;
    std::int16_t intTick = 0;
};

// DrawWidth 1; both factors set to 1; the user frame -12..12 from their integer parts.
void SetupCanvas(Canvas& picture, double& xFactor, double& yFactor);
// The plain frame: zoom 1, user frame -12..12, the two plain axes from -10 to 10.
void ResetPlotFrame(Canvas& picture, FrameState& frame);
// Text in the label colour with its top-left corner at (x, y); ForeColor stays that colour. The
// canvas font is switched to hard-edged glyphs for good, so printing the same text twice changes
// nothing.
void PrintAt(Canvas& picture, double x, double y, const std::string& text);
// PSet with x, y as singles (overflow raises vbrt::RuntimeError 6) and the colour rounded.
void PlotPoint(Canvas& picture, double x, double y, double colour);
// b when a >= b, otherwise a.
float MinOf(float a, float b);

// 96 grid segments, quadrant by quadrant, in the current frame and pen width.
void DrawGrid(Canvas& picture);
// Grid, axes with arrowheads, names, ticks and tick numbers.
void DrawCoordinateSystem1(Canvas& picture, FrameState& frame);
// Axes with arrowheads and names, shorter ticks, no grid and no numbers.
void DrawCoordinateSystem2(Canvas& picture, FrameState& frame);

// Read-out caption "( x, y )" with "0.00" numbers, from the single-precision position.
std::string PointerPositionText(float x, float y);

}  // namespace canvas
