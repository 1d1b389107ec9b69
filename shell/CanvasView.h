// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QPointF>
#include <QTimer>
#include <optional>
#include <vector>

#include "canvas/Canvas.h"
#include "shell/ControlTable.h"

namespace shell {

// Shows a picture box (a canvas) inside a sunken 2-pixel border and reports pointer moves in
// the canvas's user coordinates. Drawing goes into the canvas bitmap at once; the widget
// repaints at most about 60 times a second, however many points a plot sets. The bitmap
// follows the screen's device pixel ratio; the user coordinates stay logical.
class CanvasView : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kBorder = kPictureBorder;

    CanvasView(canvas::Canvas& canvas, QWidget* parent);
    canvas::Canvas& canvas() { return canvas_; }

    // Small rings drawn over the picture at these user points (key points asked for), and a
    // dot with its caption beside the pointer (the snapped point); neither is part of the
    // picture, so no copy, saved file or point file holds them.
    void setRings(std::vector<QPointF> points);
    void setSnapMark(std::optional<QPointF> point);

  signals:
    // The pointer moved over the picture; x and y in user coordinates, as singles.
    void pointerMoved(float x, float y);
    // The wheel turned over the picture: notches (positive away from the user) at a pixel of
    // the canvas.
    void wheelTurned(QPointF pixel, double notches);
    // The left button dragged the picture by this many pixels since the last report.
    void dragged(QPointF shift);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void scheduleRepaint();
    void followScreenRatio();
    QPointF canvasPixel(QPointF widgetPosition) const;

    void paintMarks(QPainter& painter) const;

    canvas::Canvas& canvas_;
    QTimer repaintTimer_;
    std::vector<QPointF> rings_;
    std::optional<QPointF> snap_;
    // Where the left button went down, and whether it has moved far enough to drag.
    std::optional<QPointF> pressedAt_;
    bool dragging_ = false;
};

}  // namespace shell
