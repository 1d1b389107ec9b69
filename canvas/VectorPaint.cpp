// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/VectorPaint.h"

#include <QFontMetricsF>
#include <cmath>

#include "canvas/DotCover.h"
#include "canvas/Raster.h"

namespace canvas {
namespace {

QColor Paint(QRgb colour, const Recolour& recolour) {
    return QColor(recolour ? recolour(colour) : colour);
}

// As the PNG draws it at ratio 1: ends on whole pixels, the stroke on their centres.
void PaintLine(QPainter& painter, const CanvasOp& op, const Canvas& canvas, const Recolour& re) {
    QPointF a = op.pixel1, b = op.pixel2;
    if (!ClipToPicture(a, b, canvas.pixelSize())) return;
    const qreal offset = StrokeOffset(op.width);
    auto at = [offset](QPointF p) {
        return QPointF(std::round(p.x()) + offset, std::round(p.y()) + offset);
    };
    QPen pen(Paint(op.color, re), std::max(1, op.width));
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    painter.drawLine(at(a), at(b));
}

void PaintOne(QPainter& painter, const CanvasOp& op, const Canvas& canvas, const Recolour& re) {
    switch (op.kind) {
        case CanvasOp::Line:
            PaintLine(painter, op, canvas, re);
            break;
        case CanvasOp::Point:
            if (IsNear(op.pixel1))
                painter.fillRect(DotRect(op.pixel1, op.width, 1), Paint(op.color, re));
            break;
        case CanvasOp::Text: {
            const QString text = QString::fromStdString(op.text);
            if (!TextMeetsPicture(op.pixel1, canvas.font(), text, canvas.pixelSize())) break;
            painter.setPen(Paint(op.color, re));
            painter.drawText(op.pixel1 + QPointF(0, QFontMetricsF(canvas.font()).ascent()), text);
            break;
        }
        case CanvasOp::Clear:
            break;
    }
}

}  // namespace

QFont PixelFont(const QFont& font) {
    QFont scaled = font;
    if (font.pixelSize() <= 0)
        scaled.setPixelSize(std::max(1, int(std::lround(font.pointSizeF() * 96 / 72))));
    return scaled;
}

void PaintVectors(QPainter& painter, const Canvas& canvas, const Recolour& recolour) {
    painter.save();
    const QRectF picture(QPointF(0, 0), QSizeF(canvas.pixelSize()));
    painter.setClipRect(picture);
    painter.fillRect(picture, canvas.background());
    painter.setFont(PixelFont(canvas.font()));
    for (const auto& run : canvas.drawing()) {
        if (const auto cover = CoverOfDots(run, canvas.pixelSize())) {
            for (const QRect& rect : cover->rects)
                painter.fillRect(rect, Paint(cover->colour, recolour));
            continue;
        }
        for (const CanvasOp& op : run)
            PaintOne(painter, op, canvas, recolour);
    }
    painter.restore();
}

}  // namespace canvas
