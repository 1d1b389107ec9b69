#include "canvas/Canvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace canvas {
namespace {

constexpr int kTwipsPerPixel = 15;
// Far-away coordinates are clipped to this margin around the bitmap before rasterising,
// so that values like 1E30 never reach the integer raster code.
constexpr double kClipMargin = 16;

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

}  // namespace

Canvas::Canvas(int widthTwips, int heightTwips, QColor background)
    : image_(std::max(1, widthTwips / kTwipsPerPixel), std::max(1, heightTwips / kTwipsPerPixel),
             QImage::Format_RGB32),
      background_(background),
      right_(static_cast<float>(widthTwips)),
      bottom_(static_cast<float>(heightTwips)) {
    image_.fill(background_);
}

void Canvas::Scale(float x1, float y1, float x2, float y2) {
    left_ = x1;
    top_ = y1;
    right_ = x2;
    bottom_ = y2;
}

// User units map onto pixel centres so that both edges of the frame are visible pixels.
QPointF Canvas::toPixel(float x, float y) const {
    const double w = right_ - left_, h = bottom_ - top_;
    const double px = w == 0 ? 0 : (double(x) - left_) / w * (image_.width() - 1);
    const double py = h == 0 ? 0 : (double(y) - top_) / h * (image_.height() - 1);
    return {px, py};
}

QPointF Canvas::toUser(QPointF pixel) const {
    const double w = right_ - left_, h = bottom_ - top_;
    return {left_ + pixel.x() / std::max(1, image_.width() - 1) * w,
            top_ + pixel.y() / std::max(1, image_.height() - 1) * h};
}

void Canvas::Line(float x1, float y1, float x2, float y2) {
    Line(x1, y1, x2, y2, foreColor_);
}

void Canvas::Line(float x1, float y1, float x2, float y2, QRgb color) {
    record({CanvasOp::Line, x1, y1, x2, y2, color, drawWidth_, {}});
    QPointF a = toPixel(x1, y1), b = toPixel(x2, y2);
    const QRectF box(-kClipMargin, -kClipMargin, image_.width() + 2 * kClipMargin,
                     image_.height() + 2 * kClipMargin);
    if (!ClipSegment(a, b, box)) return;
    QPainter painter(&image_);
    QPen pen{QColor(color)};
    pen.setWidth(drawWidth_ > 1 ? drawWidth_ : 0);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    painter.drawLine(QPointF(std::round(a.x()), std::round(a.y())),
                     QPointF(std::round(b.x()), std::round(b.y())));
    notify();
}

void Canvas::PSet(float x, float y, QRgb color) {
    record({CanvasOp::Point, x, y, x, y, color, drawWidth_, {}});
    const QPointF p = toPixel(x, y);
    if (!(std::fabs(p.x()) < 1e6 && std::fabs(p.y()) < 1e6)) return;
    const int cx = static_cast<int>(std::lround(p.x())) - drawWidth_ / 2;
    const int cy = static_cast<int>(std::lround(p.y())) - drawWidth_ / 2;
    bool drawn = false;
    for (int row = std::max(0, cy); row < std::min(image_.height(), cy + drawWidth_); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(row));
        for (int col = std::max(0, cx); col < std::min(image_.width(), cx + drawWidth_); ++col) {
            line[col] = color | 0xFF000000u;
            drawn = true;
        }
    }
    if (drawn) notify();
}

void Canvas::Print(const std::string& utf8Text) {
    record({CanvasOp::Text, currentX_, currentY_, currentX_, currentY_, foreColor_, drawWidth_,
            utf8Text});
    printed_.push_back(utf8Text);
    const QString text = QString::fromStdString(utf8Text);
    const QFontMetricsF metrics(font_);
    const QPointF topLeft = toPixel(currentX_, currentY_);
    if (std::fabs(topLeft.x()) < 1e6 && std::fabs(topLeft.y()) < 1e6) {
        QPainter painter(&image_);
        painter.setFont(font_);
        painter.setPen(QColor(foreColor_));
        painter.drawText(topLeft + QPointF(0, metrics.ascent()), text);
    }
    const double unitsPerPixel = (bottom_ - top_) / std::max(1, image_.height() - 1);
    currentX_ = left_;
    currentY_ = static_cast<float>(currentY_ + metrics.height() * unitsPerPixel);
    notify();
}

void Canvas::Cls() {
    image_.fill(background_);
    trace_.clear();
    printed_.clear();
    currentX_ = left_;
    currentY_ = top_;
    if (traceEnabled_) trace_.push_back({CanvasOp::Clear, 0, 0, 0, 0, 0, 1, {}});
    notify();
}

void Canvas::record(CanvasOp op) {
    if (traceEnabled_) trace_.push_back(std::move(op));
}

void Canvas::notify() {
    if (changed_) changed_();
}

}  // namespace canvas
