// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QRgb>
#include <QSize>
#include <optional>
#include <span>
#include <vector>

#include "canvas/Canvas.h"

namespace canvas {

// The dots of one drawn item as few rectangles: the pixels they set on the picture at ratio 1,
// as runs along each row, a run that repeats on the rows below grown into one rectangle. A
// filled region becomes a few hundred shapes instead of tens of thousands of dots.
struct DotCover {
    QRgb colour = 0;
    std::vector<QRect> rects;
};

// Nothing unless every operation is a dot of one colour (otherwise their order matters and
// they are drawn one by one).
std::optional<DotCover> CoverOfDots(std::span<const CanvasOp> ops, QSize picturePixels);

}  // namespace canvas
