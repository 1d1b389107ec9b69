// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CanvasView.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "canvas/Palette.h"

namespace shell {

namespace {
constexpr int kRepaintMilliseconds = 16;
constexpr double kRingRadius = 5;
constexpr double kSnapRadius = 3;

// The user position that the pixel under the pointer stands for, inside the frame. The
// canvas draws a point at the nearest pixel centre, so pixel p holds the values from its
// leading edge p - 0.5 on: the pixel of each drawn axis reads exactly 0. Positions on the
// border are clamped to the frame's edges.
QPointF ReadOutPosition(const canvas::Canvas& canvas, QPointF pixel) {
    const QPointF edge(std::floor(pixel.x()) - 0.5, std::floor(pixel.y()) - 0.5);
    const QPointF user = canvas.toUser(edge);
    const auto clamp = [](double value, double a, double b) {
        return std::clamp(value, std::min(a, b), std::max(a, b));
    };
    const double left = canvas.scaleLeft(), top = canvas.scaleTop();
    return {clamp(user.x(), left, left + canvas.scaleWidth()),
            clamp(user.y(), top, top + canvas.scaleHeight())};
}

}  // namespace

CanvasView::CanvasView(canvas::Canvas& canvas, QWidget* parent) : QFrame(parent), canvas_(canvas) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorder);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);  // like a picture box: a click takes the focus
    setAttribute(Qt::WA_OpaquePaintEvent);
    repaintTimer_.setSingleShot(true);
    repaintTimer_.setInterval(kRepaintMilliseconds);
    connect(&repaintTimer_, &QTimer::timeout, this, [this] { update(); });
    // The canvas may outlive this view (the window owns both): the guard keeps a late
    // notification from reaching a deleted view.
    QPointer<CanvasView> self(this);
    canvas_.setChangedCallback([self] {
        if (self) self->scheduleRepaint();
    });
    followScreenRatio();
}

// The picture is kept at the highest ratio of the screens, so moving the window between
// them shows it sharp without a redraw; a screen plugged in later raises it from then on.
void CanvasView::followScreenRatio() {
    qreal ratio = devicePixelRatioF();
    for (const QScreen* screen : QGuiApplication::screens())
        ratio = std::max(ratio, screen->devicePixelRatio());
    if (ratio > canvas_.devicePixelRatio()) canvas_.setDevicePixelRatio(ratio);
}

void CanvasView::scheduleRepaint() {
    if (!repaintTimer_.isActive()) repaintTimer_.start();
}

void CanvasView::paintEvent(QPaintEvent* event) {
    followScreenRatio();
    QPainter painter(this);
    const QRect inner = contentsRect();
    painter.fillRect(inner, canvas_.background());
    painter.drawImage(inner.topLeft(), canvas_.Image());
    painter.translate(inner.topLeft());
    paintMarks(painter);
    painter.end();
    QFrame::paintEvent(event);
}

void CanvasView::setRings(std::vector<QPointF> points) {
    rings_ = std::move(points);
    update();
}

void CanvasView::setSnapMark(std::optional<QPointF> point) {
    if (point == snap_) return;
    snap_ = point;
    update();
}

void CanvasView::paintMarks(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor::fromRgb(canvas::kKeyPointRingColour), 1.5));
    for (const QPointF& p : rings_)
        painter.drawEllipse(canvas_.toPixel(float(p.x()), float(p.y())), kRingRadius, kRingRadius);
    if (!snap_) return;
    painter.setPen(QPen(QColor::fromRgb(canvas::kSnapMarkColour), 1.5));
    painter.drawEllipse(canvas_.toPixel(float(snap_->x()), float(snap_->y())), kSnapRadius,
                        kSnapRadius);
}

QPointF CanvasView::canvasPixel(QPointF widgetPosition) const {
    return widgetPosition - QPointF(contentsRect().topLeft());
}

void CanvasView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressedAt_ = event->position();
    dragging_ = false;
    QFrame::mousePressEvent(event);
}

void CanvasView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressedAt_.reset();
    dragging_ = false;
    QFrame::mouseReleaseEvent(event);
}

void CanvasView::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0) emit wheelTurned(canvasPixel(event->position()), notches);
    event->accept();
}

void CanvasView::mouseMoveEvent(QMouseEvent* event) {
    // A press that moves less than the drag distance stays a plain click.
    if (pressedAt_ && (event->buttons() & Qt::LeftButton)) {
        const QPointF shift = event->position() - *pressedAt_;
        if (dragging_ || shift.manhattanLength() >= QApplication::startDragDistance()) {
            dragging_ = true;
            pressedAt_ = event->position();
            emit dragged(shift);
        }
    }
    const QPointF pixel = canvasPixel(event->position());
    const QPointF user = ReadOutPosition(canvas_, pixel);
    emit pointerMoved(static_cast<float>(user.x()), static_cast<float>(user.y()));
    QFrame::mouseMoveEvent(event);
}

}  // namespace shell
