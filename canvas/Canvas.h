// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRgb>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace canvas {

// One recorded drawing operation, in user coordinates. Tests check drawings through this
// trace, and the SVG export replays it, so screen, image and vector output share one path.
struct CanvasOp {
    enum Kind { Line, Point, Text, Clear };
    Kind kind;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Point uses x1/y1; Text its top-left corner
    QRgb color = 0;
    int width = 1;
    std::string text;
    // Both points in pixels of the picture under the scale of the moment, so a replay draws
    // what was drawn even when the scale has changed since.
    QPointF pixel1, pixel2;
};

// Operations in drawing order, as runs (one per drawn item, or the whole trace).
using OpRuns = std::vector<std::span<const CanvasOp>>;

class Canvas;

// What a canvas tells the record of its drawing (the drawing list), and what it asks of it.
class CanvasRecord {
  public:
    virtual ~CanvasRecord() = default;
    // Every operation as it is drawn: text always (its line is printed even off the
    // picture), lines and dots only when they marked the picture.
    virtual void drawn(const Canvas& on, const CanvasOp& op, bool visible) = 0;
    virtual void erased(const Canvas& on) = 0;
    // What the canvas shows now, in drawing order since its last erase.
    virtual OpRuns runs(const Canvas& on) const = 0;
};

// The state a canvas keeps between operations; a replay puts it back as it was.
struct CanvasState {
    float left = 0, top = 0, right = 0, bottom = 0;
    QRgb foreColor = 0;
    int drawWidth = 1;
    float currentX = 0, currentY = 0;
};

// Which operations the trace keeps: every one (tests count them), or only those that leave
// a mark on the picture (enough to redraw it, and bounded by the picture, not the plot).
enum class Trace { Off, All, Visible };

// A picture box: a persistent bitmap with a user scale, a pen width, a text colour and a
// print position. Picture1 (the plot canvas), Picture2 (formula strip) and Picture4 (legend)
// are all canvases; the two text boxes keep the default twip scale.
// The geometry is logical (twips, user scale, layout pixels); the bitmap holds
// devicePixelRatio() device pixels per logical pixel, so a 2x screen shows it sharp.
class Canvas {
  public:
    // Size in twips (15 twips = 1 pixel); the initial scale is twips, top-left origin.
    Canvas(int widthTwips, int heightTwips, QColor background = QColor(255, 255, 255));

    // Size of the picture in logical pixels, whatever the ratio of its bitmap.
    QSize pixelSize() const { return size_; }
    // A new size in logical pixels (at least 1 by 1): the bitmap is blank again at its ratio,
    // as after Cls; the scale stays, so the same user frame now spans the new size.
    void setPixelSize(QSize pixels);

    // Scale (x1, y1)-(x2, y2): left, top, right, bottom edges in user units.
    void Scale(float x1, float y1, float x2, float y2);
    float scaleLeft() const { return left_; }
    float scaleTop() const { return top_; }
    float scaleWidth() const { return right_ - left_; }
    float scaleHeight() const { return bottom_ - top_; }

    // Straight segment with the current DrawWidth; the first form uses ForeColor.
    void Line(float x1, float y1, float x2, float y2);
    void Line(float x1, float y1, float x2, float y2, QRgb color);
    // One point of DrawWidth pixels; true when it marked the picture (it lies in the view).
    bool PSet(float x, float y, QRgb color);
    // Draws text with its top-left corner at (CurrentX, CurrentY) in ForeColor, then moves
    // to the start of the next line (CurrentX = left edge, CurrentY one text line lower).
    void Print(const std::string& utf8Text);
    // Erases to the background; keeps the scale; print position back to the top-left.
    void Cls();

    QRgb ForeColor() const { return foreColor_; }
    void setForeColor(QRgb color) { foreColor_ = color; }
    int DrawWidth() const { return drawWidth_; }
    void setDrawWidth(int width) { drawWidth_ = width < 1 ? 1 : width; }
    float CurrentX() const { return currentX_; }
    float CurrentY() const { return currentY_; }
    void setCurrentX(float x) { currentX_ = x; }
    void setCurrentY(float y) { currentY_ = y; }
    void setFont(const QFont& font) { font_ = font; }
    const QFont& font() const { return font_; }

    // The persistent bitmap (what the window shows and the clipboard receives), at
    // devicePixelRatio(); at ratio 1 its pixels are the logical pixels.
    const QImage& Image() const { return image_; }
    qreal devicePixelRatio() const { return image_.devicePixelRatio(); }
    // Redraws the bitmap at a new ratio (clamped to 1..8): from the record or the trace when
    // one holds the whole drawing, otherwise by resampling the bitmap.
    void setDevicePixelRatio(qreal ratio);
    // The picture at any ratio (clamped to 1..8), drawn afresh from the record or the trace
    // when one holds the whole drawing (the bitmap itself when the ratio is its own; a
    // resampled copy otherwise).
    QImage renderImage(qreal ratio) const;
    QColor background() const { return background_; }

    // Text lines printed since the last Cls, in print order.
    const std::vector<std::string>& printedLines() const { return printed_; }

    // Trace of operations since the last Cls (recording is off until switched on).
    void setTrace(Trace scope);
    void setTraceEnabled(bool on) { setTrace(on ? Trace::All : Trace::Off); }
    const std::vector<CanvasOp>& trace() const { return trace_; }
    // True when the trace holds everything on the bitmap (it was on since the last Cls).
    bool traceIsWhole() const { return traceWhole_; }

    // The record that keeps the drawing (nullptr: none); it is told of every operation.
    void setRecord(CanvasRecord* record) { record_ = record; }
    // The operations behind the picture: the record's runs, or else the trace.
    OpRuns drawing() const;
    CanvasState state() const;
    // Draws the picture afresh from the record and puts the state back: the bitmap, the
    // printed lines and the print position are as they were when the state was taken.
    void redraw(const CanvasState& state);
    // Draws one operation onto target as it was drawn here; false when it leaves no mark.
    bool paint(QImage& target, const CanvasOp& op) const;
    // An erased bitmap of the picture at the given ratio.
    QImage blankImage(qreal ratio) const;

    // Called after every change of the bitmap; the window uses it to schedule a repaint.
    void setChangedCallback(std::function<void()> callback) { changed_ = std::move(callback); }

    // Conversions between user units and pixel positions of the bitmap.
    QPointF toPixel(float x, float y) const;
    QPointF toUser(QPointF pixel) const;

  private:
    void record(CanvasOp op, bool visible);
    void notify();
    QImage drawnAfresh(qreal ratio) const;

    QSize size_;
    QImage image_;
    QColor background_;
    QFont font_;
    float left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
    QRgb foreColor_ = qRgb(0, 0, 0);
    int drawWidth_ = 1;
    float currentX_ = 0, currentY_ = 0;
    Trace traceScope_ = Trace::Off;
    bool traceWhole_ = false;
    bool blank_ = true;  // nothing drawn since construction or the last Cls
    std::vector<CanvasOp> trace_;
    std::vector<std::string> printed_;
    std::function<void()> changed_;
    CanvasRecord* record_ = nullptr;
};

}  // namespace canvas
