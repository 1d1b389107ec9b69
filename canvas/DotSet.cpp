// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/DotSet.h"

#include "canvas/Raster.h"

namespace canvas {
namespace {

// Dots that start this far (device pixels) outside the picture still reach into it.
constexpr int kMargin = 16;

}  // namespace

bool DotSet::sameKind(const CanvasOp& op, qreal ratio) const {
    return op.kind == CanvasOp::Point && op.color == colour_ && op.width == width_ &&
           ratio == ratio_;
}

bool DotSet::repeats(const CanvasOp& op, QSize picturePixels, qreal ratio) {
    if (mixed_) return false;
    if (!started_ && op.kind == CanvasOp::Point) {
        started_ = true;
        colour_ = op.color;
        width_ = op.width;
        ratio_ = ratio;
        box_ = (QSizeF(picturePixels) * ratio).toSize() + QSize(2 * kMargin, 2 * kMargin);
        seen_.assign(size_t(box_.width()) * size_t(box_.height()), false);
    }
    if (!started_ || !sameKind(op, ratio)) {
        mixed_ = true;
        seen_ = {};
        return false;
    }
    if (!IsNear(op.pixel1)) return false;
    const QPoint at = DotRect(op.pixel1, op.width, ratio).topLeft() + QPoint(kMargin, kMargin);
    if (at.x() < 0 || at.y() < 0 || at.x() >= box_.width() || at.y() >= box_.height()) return false;
    const size_t index = size_t(at.y()) * size_t(box_.width()) + size_t(at.x());
    if (seen_[index]) return true;
    seen_[index] = true;
    return false;
}

}  // namespace canvas
