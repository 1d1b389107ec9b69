// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "canvas/Canvas.h"

namespace canvas {

// The canvas drawing as SVG, replayed from its record (or trace): only what lies on the picture, in
// its logical pixels (the PNG's own units, line widths included), so every viewer draws it like the
// PNG at ratio 1 and any zoom stays sharp. Text is text, in the canvas font.
std::string ToSvg(const Canvas& canvas);

}  // namespace canvas
