// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QRgb>
#include <functional>

#include "canvas/Canvas.h"

namespace canvas {

// The colour an operation is painted in, given the colour it was drawn in (a print may
// lighten the grid); an empty function keeps every colour.
using Recolour = std::function<QRgb(QRgb)>;

// The canvas drawing replayed onto any painter (a PDF page, a printer) as vectors, in the
// canvas's logical pixels: the painter's transform places and scales it. Lines stay lines
// and text stays text at any resolution; the dots of one item are painted as their few
// rectangles. The background is filled and everything is clipped to the picture.
void PaintVectors(QPainter& painter, const Canvas& canvas, const Recolour& recolour = {});

// The canvas font at its size in logical pixels, so that it scales with the painter.
QFont PixelFont(const QFont& font);

}  // namespace canvas
