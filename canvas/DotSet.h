// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>
#include <QSize>
#include <vector>

#include "canvas/Canvas.h"

namespace canvas {

// The dots an item has kept, by the device pixel each starts on, so a dot drawn again on the
// same pixel is kept once: a plot of many thousand samples keeps no more than its picture.
// Dropping a repeat is harmless only while every kept operation is a dot of one colour and
// width (another colour in between could have covered the first); after anything else the
// set keeps every operation.
class DotSet {
  public:
    // True when op repeats a dot already kept (the caller drops it); otherwise it is kept.
    bool repeats(const CanvasOp& op, QSize picturePixels, qreal ratio);
    void clear() { *this = DotSet(); }

  private:
    bool sameKind(const CanvasOp& op, qreal ratio) const;

    bool mixed_ = false;
    bool started_ = false;
    QRgb colour_ = 0;
    int width_ = 1;
    qreal ratio_ = 1;
    QSize box_;  // device pixels of the picture with a margin on every side
    std::vector<bool> seen_;
};

}  // namespace canvas
