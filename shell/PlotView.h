// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QSize>
#include <functional>

#include "canvas/Canvas.h"
#include "canvas/Frame.h"
#include "canvas/View.h"

namespace shell {

// The view of the plot canvas and everything that changes it: zoom about a point, pan,
// 还原视图, 等比例, numbering x in pi, a new canvas size. The frame keeps the view shown;
// with equal units that is the asked view widened on its shorter side. A change applies the
// view to the canvas and asks for the picture to be drawn again; a request the view cannot
// take (too deep, too far, not a number) changes nothing.
class PlotView {
  public:
    PlotView(canvas::Canvas& picture, canvas::FrameState& frame, std::function<void()> redraw);

    // steps > 0 zooms in, < 0 out, each step by the same factor; about a canvas pixel.
    void zoomAt(QPointF pixel, double steps);
    // About the centre of the canvas.
    void zoom(double steps);
    // The picture follows the pointer by this many pixels (right and down positive).
    void panBy(QPointF pixels);
    // Back to -12..12 (widened when equal units are on).
    void reset();
    // The asked view; false (and no change) when the canvas cannot show it.
    bool setView(const canvas::View& view);
    void setEqualUnits(bool on);
    bool equalUnits() const { return equalUnits_; }
    void setPiTicks(bool on);
    // The canvas takes this size in pixels (each side clamped to 1..8000) and is drawn again.
    void setPictureSize(QSize pixels);

  private:
    // Shows the asked view: applies it and draws again when the shown view changes (or always).
    void show(const canvas::View& asked, bool always = false);

    canvas::Canvas& picture_;
    canvas::FrameState& frame_;
    std::function<void()> redraw_;
    canvas::View asked_;
    bool equalUnits_ = false;
};

}  // namespace shell
