#pragma once

#include <QByteArray>
#include <QImage>

#include "canvas/Canvas.h"

namespace shell {

// The canvas's pixels as the clipboard, a saved PNG and `funcurve-cli render --png` get them.
// The one place that says which picture of the canvas that is.
QImage PlotImage(const canvas::Canvas& canvas);

enum class PictureFormat { Png, Svg };

// The canvas as the bytes of a PNG or SVG file.
QByteArray PlotPictureBytes(const canvas::Canvas& canvas, PictureFormat format);

}  // namespace shell
