// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/PlotView.h"

#include <cmath>

namespace shell {
namespace {

// One wheel notch or one + / − press: four steps double the magnification.
constexpr double kZoomPerStep = 1.189207115002721;  // 2^(1/4)
constexpr int kLargestSide = 8000;

}  // namespace

PlotView::PlotView(canvas::Canvas& picture, canvas::FrameState& frame, std::function<void()> redraw)
    : picture_(picture), frame_(frame), redraw_(std::move(redraw)), asked_(frame.view) {}

void PlotView::zoomAt(QPointF pixel, double steps) {
    if (!std::isfinite(steps) || std::abs(steps) > 100) return;
    const QPointF fixed = picture_.toUser(pixel);
    show(canvas::ZoomedAbout(frame_.view, fixed, std::pow(kZoomPerStep, steps)));
}

void PlotView::zoom(double steps) {
    const QSize size = picture_.pixelSize();
    zoomAt(QPointF(size.width() - 1, size.height() - 1) / 2, steps);
}

void PlotView::panBy(QPointF pixels) {
    show(canvas::PannedBy(frame_.view, pixels, picture_.pixelSize()));
}

void PlotView::reset() {
    show(canvas::kStartUpView);
}

bool PlotView::setView(const canvas::View& view) {
    if (!canvas::IsUsableView(view)) return false;
    show(view);
    return true;
}

void PlotView::setEqualUnits(bool on) {
    equalUnits_ = on;
    show(asked_);
}

void PlotView::setPiTicks(bool on) {
    if (frame_.piTicks == on) return;
    frame_.piTicks = on;
    show(asked_, true);
}

void PlotView::setPictureSize(QSize pixels) {
    pixels = pixels.boundedTo(QSize(kLargestSide, kLargestSide)).expandedTo(QSize(1, 1));
    if (pixels == picture_.pixelSize()) return;
    picture_.setPixelSize(pixels);
    show(asked_, true);
}

void PlotView::show(const canvas::View& asked, bool always) {
    asked_ = asked;
    const canvas::View shown =
        equalUnits_ ? canvas::WithEqualUnits(asked, picture_.pixelSize()) : asked;
    if (shown == frame_.view && !always) return;
    frame_.view = shown;
    canvas::ApplyView(picture_, frame_);
    if (redraw_) redraw_();
}

}  // namespace shell
