// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/Canvas.h"

#include <QFontMetricsF>
#include <algorithm>
#include <utility>

#include "canvas/LargePageImage.h"
#include "canvas/Raster.h"

namespace canvas {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr qreal kMaxRatio = 8;

}  // namespace

Canvas::Canvas(int widthTwips, int heightTwips, QColor background)
    : size_(std::max(1, widthTwips / kTwipsPerPixel), std::max(1, heightTwips / kTwipsPerPixel)),
      background_(background),
      right_(static_cast<float>(widthTwips)),
      bottom_(static_cast<float>(heightTwips)) {
    image_ = blankImage(1);
}

QImage Canvas::blankImage(qreal ratio) const {
    QImage image =
        NewImage((QSizeF(size_) * ratio).toSize().expandedTo(size_), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(background_);
    return image;
}

void Canvas::setPixelSize(QSize pixels) {
    size_ = pixels.expandedTo(QSize(1, 1));
    image_ = blankImage(devicePixelRatio());
    // A new size erases no drawing: the record draws it again at the new size.
    CanvasRecord* record = std::exchange(record_, nullptr);
    Cls();
    record_ = record;
}

void Canvas::setDevicePixelRatio(qreal ratio) {
    QImage image = renderImage(ratio);
    if (image.devicePixelRatio() == devicePixelRatio()) return;
    image_ = std::move(image);
    notify();
}

QImage Canvas::renderImage(qreal ratio) const {
    ratio = std::clamp(ratio, qreal(1), kMaxRatio);
    if (ratio == devicePixelRatio()) return image_;
    if (!record_ && !traceWhole_) {
        QImage image = image_.scaled((QSizeF(size_) * ratio).toSize(), Qt::IgnoreAspectRatio,
                                     Qt::SmoothTransformation);
        image.setDevicePixelRatio(ratio);
        return image;
    }
    return drawnAfresh(ratio);
}

QImage Canvas::drawnAfresh(qreal ratio) const {
    QImage image = blankImage(ratio);
    for (const auto& run : drawing())
        for (const CanvasOp& op : run)
            paint(image, op);
    return image;
}

OpRuns Canvas::drawing() const {
    if (record_) return record_->runs(*this);
    return {std::span<const CanvasOp>(trace_)};
}

CanvasState Canvas::state() const {
    return {left_, top_, right_, bottom_, foreColor_, drawWidth_, currentX_, currentY_};
}

void Canvas::redraw(const CanvasState& state) {
    image_ = drawnAfresh(devicePixelRatio());
    printed_.clear();
    blank_ = true;
    for (const auto& run : drawing()) {
        for (const CanvasOp& op : run) {
            if (op.kind == CanvasOp::Text) printed_.push_back(op.text);
            blank_ = false;
        }
    }
    Scale(state.left, state.top, state.right, state.bottom);
    foreColor_ = state.foreColor;
    drawWidth_ = state.drawWidth;
    currentX_ = state.currentX;
    currentY_ = state.currentY;
    notify();
}

void Canvas::setTrace(Trace scope) {
    if (scope != Trace::Off && traceScope_ == Trace::Off) traceWhole_ = blank_;
    if (scope == Trace::Off) traceWhole_ = false;
    traceScope_ = scope;
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
    const double px = w == 0 ? 0 : (double(x) - left_) / w * (size_.width() - 1);
    const double py = h == 0 ? 0 : (double(y) - top_) / h * (size_.height() - 1);
    return {px, py};
}

QPointF Canvas::toUser(QPointF pixel) const {
    const double w = right_ - left_, h = bottom_ - top_;
    return {left_ + pixel.x() / std::max(1, size_.width() - 1) * w,
            top_ + pixel.y() / std::max(1, size_.height() - 1) * h};
}

void Canvas::Line(float x1, float y1, float x2, float y2) {
    Line(x1, y1, x2, y2, foreColor_);
}

void Canvas::Line(float x1, float y1, float x2, float y2, QRgb color) {
    CanvasOp op{CanvasOp::Line, x1, y1, x2, y2, color, drawWidth_, {}, toPixel(x1, y1),
                toPixel(x2, y2)};
    const bool visible = paint(image_, op);
    record(std::move(op), visible);
    if (visible) notify();
}

bool Canvas::PSet(float x, float y, QRgb color) {
    const QPointF at = toPixel(x, y);
    CanvasOp op{CanvasOp::Point, x, y, x, y, color, drawWidth_, {}, at, at};
    const bool visible = paint(image_, op);
    record(std::move(op), visible);
    if (visible) notify();
    return visible;
}

void Canvas::Print(const std::string& utf8Text) {
    const QPointF at = toPixel(currentX_, currentY_);
    CanvasOp op{CanvasOp::Text, currentX_,  currentY_, currentX_, currentY_,
                foreColor_,     drawWidth_, utf8Text,  at,        at};
    const bool visible = paint(image_, op);
    record(std::move(op), visible);
    printed_.push_back(utf8Text);
    const double unitsPerPixel = (bottom_ - top_) / std::max(1, size_.height() - 1);
    currentX_ = left_;
    currentY_ = static_cast<float>(currentY_ + QFontMetricsF(font_).height() * unitsPerPixel);
    notify();
}

bool Canvas::paint(QImage& target, const CanvasOp& op) const {
    switch (op.kind) {
        case CanvasOp::Line: {
            QPointF a = op.pixel1, b = op.pixel2;
            if (!ClipToPicture(a, b, size_)) return false;
            PaintSegment(target, a, b, op.color, op.width);
            return true;
        }
        case CanvasOp::Point:
            return PaintDot(target, op.pixel1, op.color, op.width);
        case CanvasOp::Text:
            return PaintText(target, op.pixel1, op.color, font_, QString::fromStdString(op.text));
        case CanvasOp::Clear:
            break;
    }
    return false;
}

void Canvas::Cls() {
    image_.fill(background_);
    trace_.clear();
    printed_.clear();
    currentX_ = left_;
    currentY_ = top_;
    blank_ = true;
    traceWhole_ = traceScope_ != Trace::Off;
    if (traceWhole_) trace_.push_back({CanvasOp::Clear, 0, 0, 0, 0, 0, 1, {}, {}, {}});
    if (record_) record_->erased(*this);
    notify();
}

// Keeps the operation when the trace wants it; an invisible one only in a full trace.
void Canvas::record(CanvasOp op, bool visible) {
    if (visible) blank_ = false;
    if (record_) record_->drawn(*this, op, visible);
    if (traceScope_ == Trace::All || (traceScope_ == Trace::Visible && visible))
        trace_.push_back(std::move(op));
}

void Canvas::notify() {
    if (changed_) changed_();
}

}  // namespace canvas
