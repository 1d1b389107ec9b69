// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/Frame.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "canvas/Ticks.h"
#include "vbrt/NumberReading.h"
#include "vbrt/NumberText.h"
#include "vbrt/Rounding.h"

namespace canvas {
namespace {

// The picture size the frame's look was designed for: there one start-up unit is 555/24
// pixels across and 507/24 pixels up.
constexpr double kDesignSpanX = 555, kDesignSpanY = 507;
constexpr double kStartUpSide = 24;
// Pixels kept free between neighbouring tick numbers.
constexpr double kLabelGapX = 4, kLabelGapY = 2;

// Int(v): the largest whole number not above v; only these parts of the factors count.
double WholePart(double value) {
    return std::floor(value);
}

// Where the frame's pieces go in the current scale of the picture. Arrowheads, tick lengths,
// label offsets and margins are fixed numbers of start-up units, so ux and uy (the user size
// of a start-up unit's pixels) are 1 at start-up and keep them the same size in pixels in
// any view and on any picture size.
struct Geometry {
    double left, right, bottom, top;
    double ux, uy;
    double axisX, axisY;  // where the y axis and the x axis run
    double xStart, xEnd;  // extent of the x axis
    double yStart, yEnd;  // extent of the y axis
    TickScale xTicks, yTicks;
};

// Zero when the view holds it; otherwise the side's margin nearest to it, so the axis and
// its numbers stay in sight.
double AxisPosition(double low, double high, double margin) {
    if (low <= 0 && 0 <= high) return 0;
    return 0 < low ? low + margin : high - margin;
}

// The first and last tick strictly inside start..end.
long long FirstTick(double start, double step) {
    return static_cast<long long>(std::floor(start / step)) + 1;
}
long long LastTick(double end, double step) {
    return static_cast<long long>(std::ceil(end / step)) - 1;
}

// The wider of the numbers of the first and the last tick: the longest numbers lie at the
// ends of an axis.
double WidestLabel(const QFontMetricsF& metrics, const TickScale& scale, double start, double end) {
    const auto width = [&](long long k) {
        return metrics.horizontalAdvance(QString::fromStdString(scale.label(k)));
    };
    return std::max(width(FirstTick(start, scale.step)), width(LastTick(end, scale.step)));
}

Geometry MeasureFrame(const Canvas& picture, bool xInPi) {
    Geometry g{};
    g.left = picture.scaleLeft();
    g.right = g.left + picture.scaleWidth();
    g.top = picture.scaleTop();
    g.bottom = g.top + picture.scaleHeight();
    const double spanX = std::max(1, picture.pixelSize().width() - 1);
    const double spanY = std::max(1, picture.pixelSize().height() - 1);
    g.ux = (g.right - g.left) / kStartUpSide * (kDesignSpanX / spanX);
    g.uy = (g.top - g.bottom) / kStartUpSide * (kDesignSpanY / spanY);
    g.axisX = AxisPosition(g.left, g.right, 2 * g.ux);
    g.axisY = AxisPosition(g.bottom, g.top, 2 * g.uy);
    g.xStart = g.left + 2 * g.ux;
    g.xEnd = g.right - 2 * g.ux;
    g.yStart = g.bottom + 2 * g.uy;
    g.yEnd = g.top - 2 * g.uy;
    const QFontMetricsF metrics(picture.font());
    g.xTicks = ChooseTicks(spanX / (g.right - g.left), xInPi, kLabelGapX, [&](const TickScale& s) {
        return WidestLabel(metrics, s, g.xStart, g.xEnd);
    });
    g.yTicks = ChooseTicks(spanY / (g.top - g.bottom), false, kLabelGapY,
                           [&](const TickScale&) { return metrics.height(); });
    return g;
}

// Scale from the frame's view; the zoom factors follow it.
void ApplyUserFrame(Canvas& picture, FrameState& frame) {
    const View& v = frame.view;
    frame.xZoom = v.width() / kStartUpSide;
    frame.yZoom = v.height() / kStartUpSide;
    picture.Scale(static_cast<float>(v.left), static_cast<float>(v.top),
                  static_cast<float>(v.right), static_cast<float>(v.bottom));
}

// Ticks k * step strictly inside the axis from start to end; the loop variable intTick
// follows k while it fits 16 bits.
void ForEachTick(FrameState& frame, double start, double end, double step,
                 const std::function<void(long long)>& body) {
    const long long first = FirstTick(start, step), last = LastTick(end, step);
    const auto track = [&frame](long long k) {
        frame.intTick = static_cast<std::int16_t>(std::clamp<long long>(k, INT16_MIN, INT16_MAX));
    };
    for (long long k = first; k <= last; ++k) {
        track(k);
        body(k);
    }
    track(last + 1);
}

void Segment(Canvas& picture, double x1, double y1, double x2, double y2, QRgb colour) {
    const auto f = [](double v) { return static_cast<float>(v); };
    picture.Line(f(x1), f(y1), f(x2), f(y2), colour);
}

// Axes with two-stroke arrowheads and the names "Ｘ" and "Ｙ".
void DrawArrowAxes(Canvas& picture, const Geometry& g) {
    constexpr QRgb axis = kCoordinateAxesColour;
    Segment(picture, g.xStart, g.axisY, g.xEnd, g.axisY, axis);
    Segment(picture, g.xEnd, g.axisY, g.xEnd - 0.5 * g.ux, g.axisY - 0.2 * g.uy, axis);
    Segment(picture, g.xEnd, g.axisY, g.xEnd - 0.5 * g.ux, g.axisY + 0.2 * g.uy, axis);
    PrintAt(picture, g.xEnd, g.axisY - 0.9 * g.uy, "Ｘ");
    Segment(picture, g.axisX, g.yStart, g.axisX, g.yEnd, axis);
    Segment(picture, g.axisX, g.yEnd, g.axisX + 0.2 * g.ux, g.yEnd - 0.5 * g.uy, axis);
    Segment(picture, g.axisX, g.yEnd, g.axisX - 0.2 * g.ux, g.yEnd - 0.5 * g.uy, axis);
    PrintAt(picture, g.axisX - 0.9 * g.ux, g.yEnd, "Ｙ");
}

// Ticks at every step inside the axes, above the x axis and right of the y axis; the numbered
// variant prints each x tick's number under it and each y tick's left of it, except where the x
// axis crosses.
void DrawTicks(Canvas& picture, FrameState& frame, double length, bool numbered) {
    const Geometry g = MeasureFrame(picture, frame.piTicks);
    const QFontMetricsF metrics(picture.font());
    const double pixelX = g.ux / (kDesignSpanX / kStartUpSide);
    const auto pixelsOf = [&](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text));
    };
    const double stepX = g.xTicks.step, stepY = g.yTicks.step;
    ForEachTick(frame, g.xStart, g.xEnd, stepX, [&](long long k) {
        const double x = double(k) * stepX;
        Segment(picture, x, g.axisY, x, g.axisY + length * g.uy, kTickColour);
        if (!numbered) return;
        const std::string label = g.xTicks.label(k);
        const double half = std::max(0.5 * g.ux, pixelsOf(label) / 2 * pixelX);
        PrintAt(picture, x - half, g.axisY - 0.5 * g.uy, label);
    });
    ForEachTick(frame, g.yStart, g.yEnd, stepY, [&](long long k) {
        const double y = double(k) * stepY;
        Segment(picture, g.axisX, y, g.axisX + length * g.ux, y, kTickColour);
        if (!numbered || y == g.axisY) return;
        const std::string label = g.yTicks.label(k);
        const double offset = std::max(0.9 * g.ux, (pixelsOf(label) + 2) * pixelX);
        PrintAt(picture, g.axisX - offset, y, label);
    });
}

// Whole steps k strictly beyond the origin towards the edge (outwards), nearest first.
std::vector<double> GridValues(double origin, double edge, double step) {
    std::vector<double> values;
    if (edge > origin) {
        for (auto k = static_cast<long long>(std::floor(origin / step)) + 1; k * step <= edge; ++k)
            values.push_back(double(k) * step);
    } else {
        for (auto k = static_cast<long long>(std::ceil(origin / step)) - 1; k * step >= edge; --k)
            values.push_back(double(k) * step);
    }
    return values;
}

// A colour number 0xRRGGBB rounded to a whole number (an alpha byte, as in qRgb's, is
// ignored); a value outside 32 bits overflows like the platform's conversion.
QRgb ColourFromNumber(double colour) {
    const double rounded = vbrt::RoundHalfEven(colour);
    if (!(rounded >= 0 && rounded <= 4294967295.0)) {
        return static_cast<QRgb>(vbrt::ToLong(rounded)) | 0xFF000000u;
    }
    return static_cast<QRgb>(rounded) | 0xFF000000u;
}

}  // namespace

void SetupCanvas(Canvas& picture, double& xFactor, double& yFactor) {
    picture.setDrawWidth(1);
    xFactor = 1;
    yFactor = 1;
    const auto x = static_cast<float>(12 * WholePart(xFactor));
    const auto y = static_cast<float>(12 * WholePart(yFactor));
    picture.Scale(-x, y, x, -y);
}

void ApplyView(Canvas& picture, FrameState& frame) {
    ApplyUserFrame(picture, frame);
}

void ResetPlotFrame(Canvas& picture, FrameState& frame) {
    picture.setDrawWidth(1);
    ApplyUserFrame(picture, frame);
    const Geometry g = MeasureFrame(picture, frame.piTicks);
    Segment(picture, g.xStart, g.axisY, g.xEnd, g.axisY, kPlainAxesColour);
    Segment(picture, g.axisX, g.yStart, g.axisX, g.yEnd, kPlainAxesColour);
    picture.setDrawWidth(1);
}

void PrintAt(Canvas& picture, double x, double y, const std::string& text) {
    // Hard-edged glyphs: text printed again over itself (a coordinate system drawn twice)
    // must not darken, as blended anti-aliased edges would.
    if (!(picture.font().styleStrategy() & QFont::NoAntialias)) {
        QFont font = picture.font();
        font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoAntialias));
        picture.setFont(font);
    }
    picture.setCurrentX(vbrt::ToSingle(x));
    picture.setCurrentY(vbrt::ToSingle(y));
    picture.setForeColor(kLabelColour);
    picture.Print(text);
}

bool PlotPoint(Canvas& picture, double x, double y, double colour) {
    const float px = vbrt::ToSingle(x);
    const float py = vbrt::ToSingle(y);
    return picture.PSet(px, py, ColourFromNumber(colour));
}

float MinOf(float a, float b) {
    return a >= b ? b : a;
}

void DrawGrid(Canvas& picture, bool xInPi) {
    const Geometry g = MeasureFrame(picture, xInPi);
    // The lines start on the axes through zero, or on the view's edge when zero is outside.
    const double originX = std::clamp(0.0, g.left, g.right);
    const double originY = std::clamp(0.0, g.bottom, g.top);
    // Quadrants in drawing order: upper right, upper left, lower left, lower right.
    const double edges[4][2] = {
        {g.right, g.top}, {g.left, g.top}, {g.left, g.bottom}, {g.right, g.bottom}};
    for (const auto& edge : edges) {
        const auto rows = GridValues(originY, edge[1], g.yTicks.step);
        const auto columns = GridValues(originX, edge[0], g.xTicks.step);
        for (size_t i = 0; i < std::max(rows.size(), columns.size()); ++i) {
            if (i < rows.size()) Segment(picture, originX, rows[i], edge[0], rows[i], kGridColour);
            if (i < columns.size())
                Segment(picture, columns[i], originY, columns[i], edge[1], kGridColour);
        }
    }
}

void DrawCoordinateSystem1(Canvas& picture, FrameState& frame) {
    picture.setDrawWidth(1);
    DrawGrid(picture, frame.piTicks);
    ApplyUserFrame(picture, frame);
    DrawArrowAxes(picture, MeasureFrame(picture, frame.piTicks));
    DrawTicks(picture, frame, 0.25, true);
    picture.setDrawWidth(1);
}

void DrawCoordinateSystem2(Canvas& picture, FrameState& frame) {
    picture.setDrawWidth(1);
    ApplyUserFrame(picture, frame);
    DrawArrowAxes(picture, MeasureFrame(picture, frame.piTicks));
    DrawTicks(picture, frame, 0.2, false);
    picture.setDrawWidth(1);
}

std::string PointerPositionText(float x, float y) {
    const auto fixed = [](float v) { return vbrt::FormatFixed2(vbrt::Val(vbrt::SingleToText(v))); };
    return "( " + fixed(x) + ", " + fixed(y) + " )";
}

}  // namespace canvas
