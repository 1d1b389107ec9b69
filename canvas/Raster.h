// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRgb>
#include <QString>

// The one place that turns a drawing operation into pixels. Positions are in logical pixels
// of the picture (pixel centres at whole numbers); the target's devicePixelRatio decides how
// many device pixels one logical pixel gets, so the same call serves the screen at 1x, 1.5x
// or 2x, the clipboard and a PNG printed at four times the size.
namespace canvas {

// False for a position so far away that a dot or text there lies nowhere on any picture
// (such positions never reach the integer raster code).
bool IsNear(QPointF p);

// Clips the segment to a small margin around a picture of `size` logical pixels, so that far
// away ends never reach the integer raster code; false when nothing is left.
bool ClipToPicture(QPointF& a, QPointF& b, QSizeF size);

// The rectangle, in pixels of a picture at `ratio`, of a dot `width` logical pixels wide at
// pixel position p. Odd widths centre on the pixel, even widths on its top-left corner.
QRect DotRect(QPointF p, int width, qreal ratio);

// Offset from a pixel position to the centre line of a stroke `width` logical pixels thick:
// odd widths run through pixel centres, even ones along pixel edges, as at ratio 1.
qreal StrokeOffset(int width);

// True when text with its top-left corner at p reaches into a picture of `size` logical pixels.
bool TextMeetsPicture(QPointF topLeft, const QFont& font, const QString& text, QSizeF size);

// A segment between two (clipped) pixel positions, `width` logical pixels thick, square caps,
// no anti-aliasing; both ends snap to whole pixels.
void PaintSegment(QImage& target, QPointF a, QPointF b, QRgb color, int width);
// A dot; false when none of it lies on the target.
bool PaintDot(QImage& target, QPointF p, QRgb color, int width);
// Text with its top-left corner at p; false when it lies wholly outside the target.
bool PaintText(QImage& target, QPointF topLeft, QRgb color, const QFont& font, const QString& text);

}  // namespace canvas
