// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPainter>
#include <QRectF>

#include "canvas/Canvas.h"

namespace shell {

// What a worksheet page shows: the plot canvas, and the formula and legend lines below it.
struct Worksheet {
    const canvas::Canvas& plot;     // Picture1
    const canvas::Canvas& formula;  // Picture2
    const canvas::Canvas& legend;   // Picture4
    bool lightGrid = false;         // the yellow grid in a light grey that prints well
};

// The page inside `page` (device units of the painter): the canvas as vectors, as wide as
// the page allows, then every legend line and formula line in the colour it was printed in.
void PaintWorksheet(QPainter& painter, const QRectF& page, const Worksheet& sheet);

// The worksheet as a one-page A4 PDF.
QByteArray WorksheetPdf(const Worksheet& sheet);

}  // namespace shell
