#pragma once

#include <string>

#include "canvas/Canvas.h"

namespace canvas {

// The canvas drawing as SVG, replayed from its trace: every point and segment is a vector
// shape in user coordinates, the text in the canvas font. The picture has the bitmap's
// pixel size so that it looks like the PNG of the same canvas.
std::string ToSvg(const Canvas& canvas);

}  // namespace canvas
