// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Worksheet.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPdfWriter>
#include <algorithm>

#include "canvas/Palette.h"
#include "canvas/VectorPaint.h"
#include "texts/Texts.h"

namespace shell {
namespace {

constexpr int kPdfDotsPerInch = 600;
constexpr qreal kMarginMillimetres = 15;
// The canvas takes at most this share of the page height, leaving room for the lines.
constexpr qreal kCanvasShareOfHeight = 0.7;

canvas::Recolour GridRecolour(bool lightGrid) {
    if (!lightGrid) return {};
    return [](QRgb colour) {
        return colour == canvas::kGridColour ? canvas::kPrintGridColour : colour;
    };
}

// The text lines of a canvas, each with its colour, below the picture from y on.
qreal PaintLines(QPainter& painter, const canvas::Canvas& lines, qreal y) {
    const QFontMetricsF metrics(lines.font());
    painter.setFont(canvas::PixelFont(lines.font()));
    for (const auto& run : lines.drawing()) {
        for (const canvas::CanvasOp& op : run) {
            if (op.kind != canvas::CanvasOp::Text) continue;
            painter.setPen(QColor(op.color));
            painter.drawText(QPointF(0, y + metrics.ascent()), QString::fromStdString(op.text));
            y += metrics.height();
        }
    }
    return y;
}

}  // namespace

void PaintWorksheet(QPainter& painter, const QRectF& page, const Worksheet& sheet) {
    const QSizeF picture(sheet.plot.pixelSize());
    const qreal scale = std::min(page.width() / picture.width(),
                                 page.height() * kCanvasShareOfHeight / picture.height());
    painter.save();
    painter.translate(page.left() + (page.width() - picture.width() * scale) / 2, page.top());
    painter.scale(scale, scale);
    canvas::PaintVectors(painter, sheet.plot, GridRecolour(sheet.lightGrid));
    painter.setPen(QPen(Qt::gray, 0));
    painter.drawRect(QRectF(QPointF(0, 0), picture));
    const qreal gap = QFontMetricsF(sheet.legend.font()).height() / 2;
    const qreal y = PaintLines(painter, sheet.legend, picture.height() + gap);
    PaintLines(painter, sheet.formula, y + gap);
    painter.restore();
}

QByteArray WorksheetPdf(const Worksheet& sheet) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfDotsPerInch);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter);
    writer.setTitle(QString::fromUtf8(texts::kApplicationTitle));
    writer.setCreator(QString::fromUtf8(texts::kApplicationTitle));
    QPainter painter(&writer);
    PaintWorksheet(painter, QRectF(0, 0, writer.width(), writer.height()), sheet);
    painter.end();
    return bytes;
}

}  // namespace shell
