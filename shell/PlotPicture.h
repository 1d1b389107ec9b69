// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

#include "canvas/Canvas.h"
#include "shell/Worksheet.h"

namespace shell {

// The canvas's pixels as the clipboard, a saved PNG and `funcurve-cli render --png` get them:
// the picture itself at its own device pixel ratio, or drawn afresh at another ratio.
// The one place that says which picture of the canvas that is.
QImage PlotImage(const canvas::Canvas& canvas, qreal ratio = 0);

enum class PictureFormat { Png, Svg, Pdf };

// The canvas as the bytes of a PNG or SVG file (a PNG holds PlotImage(canvas, ratio)), or the
// worksheet page as a PDF file.
QByteArray PlotPictureBytes(const Worksheet& sheet, PictureFormat format, qreal ratio = 0);

}  // namespace shell
