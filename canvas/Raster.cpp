// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/Raster.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace canvas {
namespace {

// Far-away coordinates are clipped to this margin (logical pixels) around the picture.
constexpr double kClipMargin = 16;
// Positions beyond this are treated as "nowhere" by dots and text.
constexpr double kFarAway = 1e6;

// Liang-Barsky clipping of the segment to the rectangle; false when nothing is left. The
// coordinate that meets an edge is set to the edge itself, so a far-away end point does not
// cost precision through cancellation.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& box) {
    double t0 = 0, t1 = 1;
    int edge0 = -1, edge1 = -1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(),
                         box.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0 && t > t0) {
            t0 = t;
            edge0 = i;
        } else if (p[i] > 0 && t < t1) {
            t1 = t;
            edge1 = i;
        }
        if (t0 > t1) return false;
    }
    const double edges[4] = {box.left(), box.right(), box.top(), box.bottom()};
    auto pointAt = [&](double t, int edge) {
        QPointF point(a.x() + dx * t, a.y() + dy * t);
        if (edge == 0 || edge == 1) point.setX(edges[edge]);
        if (edge == 2 || edge == 3) point.setY(edges[edge]);
        return point;
    };
    const QPointF start = edge0 < 0 ? a : pointAt(t0, edge0);
    const QPointF end = edge1 < 0 ? b : pointAt(t1, edge1);
    a = start;
    b = end;
    return true;
}

// First device pixel of a dot along one axis. Ratio 1 keeps the whole-pixel rounding that
// every pixel test was written against; other ratios place the dot where it really is.
int DotStart(double p, int width, qreal ratio) {
    if (ratio == 1) return static_cast<int>(std::lround(p)) - width / 2;
    return static_cast<int>(std::lround((p + (width % 2) * 0.5 - width / 2.0) * ratio));
}

// Side of a dot (or width of a line) `width` logical pixels wide, in device pixels.
int DotSide(int width, qreal ratio) {
    return std::max(1, static_cast<int>(std::lround(std::max(1, width) * ratio)));
}

}  // namespace

bool IsNear(QPointF p) {
    return std::fabs(p.x()) < kFarAway && std::fabs(p.y()) < kFarAway;
}

bool ClipToPicture(QPointF& a, QPointF& b, QSizeF size) {
    const QRectF box(-kClipMargin, -kClipMargin, size.width() + 2 * kClipMargin,
                     size.height() + 2 * kClipMargin);
    return ClipSegment(a, b, box);
}

QRect DotRect(QPointF p, int width, qreal ratio) {
    const int side = DotSide(width, ratio);
    return {DotStart(p.x(), width, ratio), DotStart(p.y(), width, ratio), side, side};
}

qreal StrokeOffset(int width) {
    return (std::max(1, width) % 2) * 0.5;
}

bool TextMeetsPicture(QPointF topLeft, const QFont& font, const QString& text, QSizeF size) {
    if (!IsNear(topLeft)) return false;
    const QFontMetricsF metrics(font);
    const QRectF box(topLeft, QSizeF(metrics.horizontalAdvance(text), metrics.height()));
    return box.intersects(QRectF(QPointF(0, 0), size));
}

void PaintSegment(QImage& target, QPointF a, QPointF b, QRgb color, int width) {
    // Ends snap to whole pixels at every ratio, so the frame's lines meet their ticks and
    // labels exactly as at ratio 1 and in the SVG.
    const QPointF from(std::round(a.x()), std::round(a.y())),
        to(std::round(b.x()), std::round(b.y()));
    QPainter painter(&target);
    QPen pen{QColor(color)};
    pen.setCapStyle(Qt::SquareCap);
    if (target.devicePixelRatio() == 1) {
        pen.setWidth(width > 1 ? width : 0);
        painter.setPen(pen);
        painter.drawLine(from, to);
        return;
    }
    // Drawn in device pixels: the stroke covers the same device pixels as a dot of its width
    // on each pixel of its way, so every line keeps one whole width at 1.5x as at 2x.
    const qreal ratio = target.devicePixelRatio();
    const int side = DotSide(width, ratio);
    auto device = [&](QPointF p) {
        return QPointF(DotStart(p.x(), width, ratio), DotStart(p.y(), width, ratio)) +
               QPointF(side, side) / 2;
    };
    painter.scale(1 / ratio, 1 / ratio);
    pen.setWidth(side);
    painter.setPen(pen);
    painter.drawLine(device(from), device(to));
}

bool PaintDot(QImage& target, QPointF p, QRgb color, int width) {
    if (!IsNear(p)) return false;
    const QRect dot = DotRect(p, width, target.devicePixelRatio()) & target.rect();
    for (int row = dot.top(); row <= dot.bottom(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(row));
        std::fill(line + dot.left(), line + dot.right() + 1, color | 0xFF000000u);
    }
    return !dot.isEmpty();
}

bool PaintText(QImage& target, QPointF topLeft, QRgb color, const QFont& font,
               const QString& text) {
    if (!TextMeetsPicture(topLeft, font, text, target.deviceIndependentSize())) return false;
    QPainter painter(&target);
    painter.setFont(font);
    painter.setPen(QColor(color));
    painter.drawText(topLeft + QPointF(0, QFontMetricsF(font).ascent()), text);
    return true;
}

}  // namespace canvas
