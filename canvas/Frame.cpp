#include "canvas/Frame.h"

#include <cmath>
#include <functional>

#include "vbrt/NumberReading.h"
#include "vbrt/NumberText.h"
#include "vbrt/Rounding.h"

namespace canvas {
namespace {

// Int(v): the largest whole number not above v; only these parts of the zoom factors count.
double WholePart(double value) {
    return std::floor(value);
}

// Scale (-12X, 12Y)-(12X, -12Y): x to the right, y upwards, (0, 0) in the centre.
void ApplyUserFrame(Canvas& picture, double xFactor, double yFactor) {
    const double x = WholePart(xFactor), y = WholePart(yFactor);
    picture.Scale(static_cast<float>(-12 * x), static_cast<float>(12 * y),
                  static_cast<float>(12 * x), static_cast<float>(-12 * y));
}

// Every frame-building operation starts from zoom 1 and the -12..12 frame.
void ResetZoomAndFrame(Canvas& picture, FrameState& frame) {
    frame.xZoom = 1;
    frame.yZoom = 1;
    ApplyUserFrame(picture, frame.xZoom, frame.yZoom);
}

// A tick number: a blank before zero and positive numbers, the minus sign before negative ones.
std::string TickNumber(int value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

// For intTick = -bound To bound Step step, with the 16-bit loop variable of the window
// (bounds and step converted like the platform's Integer; stepping past 32767 overflows).
void ForEachTick(FrameState& frame, double bound, double step,
                 const std::function<void(int)>& body) {
    const std::int16_t first = vbrt::ToInteger(-bound);
    const std::int16_t last = vbrt::ToInteger(bound);
    const std::int16_t increment = vbrt::ToInteger(step);
    for (frame.intTick = first; frame.intTick <= last;
         frame.intTick = vbrt::ToInteger(double(frame.intTick) + increment)) {
        body(frame.intTick);
    }
}

// Tick length in units: the whole part of the smaller zoom factor, times the given length.
float TickLength(const FrameState& frame, double length) {
    const float smaller = MinOf(vbrt::ToSingle(frame.xZoom), vbrt::ToSingle(frame.yZoom));
    return static_cast<float>(length * std::floor(smaller));
}

// Axes from -10 to 10 with two-stroke arrowheads and the names "Ｘ" and "Ｙ".
void DrawArrowAxes(Canvas& picture, double x, double y) {
    auto f = [](double v) { return static_cast<float>(v); };
    constexpr QRgb axis = kCoordinateAxesColour;
    picture.Line(f(-10 * x), 0, f(10 * x), 0, axis);
    picture.Line(f(10 * x), 0, f(9.5 * x), f(-0.2 * y), axis);
    picture.Line(f(10 * x), 0, f(9.5 * x), f(0.2 * y), axis);
    PrintAt(picture, 10 * x, -0.9 * y, "Ｘ");
    picture.Line(0, f(-10 * y), 0, f(10 * y), axis);
    picture.Line(0, f(10 * y), f(0.2 * x), f(9.5 * y), axis);
    picture.Line(0, f(10 * y), f(-0.2 * x), f(9.5 * y), axis);
    PrintAt(picture, -0.9 * x, 10 * y, "Ｙ");
}

// Ticks at every whole unit from -9 to 9, above the x axis and right of the y axis; the
// numbered variant prints each x tick's number and each y tick's but zero.
void DrawTicks(Canvas& picture, FrameState& frame, double length, bool numbered) {
    const double x = WholePart(frame.xZoom), y = WholePart(frame.yZoom);
    ForEachTick(frame, 9 * x, x, [&](int i) {
        picture.Line(float(i), 0, float(i), TickLength(frame, length), kTickColour);
        if (numbered) PrintAt(picture, i - 0.5 * x, -0.5 * y, TickNumber(i));
    });
    ForEachTick(frame, 9 * y, y, [&](int i) {
        picture.Line(0, float(i), TickLength(frame, length), float(i), kTickColour);
        if (numbered && i != 0) PrintAt(picture, -0.9 * x, i, TickNumber(i));
    });
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
    ApplyUserFrame(picture, xFactor, yFactor);
}

void ResetPlotFrame(Canvas& picture, FrameState& frame) {
    picture.setDrawWidth(1);
    ResetZoomAndFrame(picture, frame);
    const auto x = static_cast<float>(10 * WholePart(frame.xZoom));
    const auto y = static_cast<float>(10 * WholePart(frame.yZoom));
    picture.Line(-x, 0, x, 0, kPlainAxesColour);
    picture.Line(0, -y, 0, y, kPlainAxesColour);
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

void PlotPoint(Canvas& picture, double x, double y, double colour) {
    const float px = vbrt::ToSingle(x);
    const float py = vbrt::ToSingle(y);
    picture.PSet(px, py, ColourFromNumber(colour));
}

float MinOf(float a, float b) {
    return a >= b ? b : a;
}

void DrawGrid(Canvas& picture) {
    // Quadrants in drawing order: upper right, upper left, lower left, lower right.
    static constexpr int kSigns[4][2] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    for (const auto& sign : kSigns) {
        const float sx = static_cast<float>(sign[0]), sy = static_cast<float>(sign[1]);
        for (std::int16_t i = 1; i <= 12; ++i) {
            picture.Line(0, sy * i, sx * 12, sy * i, kGridColour);
            picture.Line(sx * i, 0, sx * i, sy * 12, kGridColour);
        }
    }
}

void DrawCoordinateSystem1(Canvas& picture, FrameState& frame) {
    picture.setDrawWidth(1);
    DrawGrid(picture);
    ResetZoomAndFrame(picture, frame);
    DrawArrowAxes(picture, WholePart(frame.xZoom), WholePart(frame.yZoom));
    DrawTicks(picture, frame, 0.25, true);
    picture.setDrawWidth(1);
}

void DrawCoordinateSystem2(Canvas& picture, FrameState& frame) {
    picture.setDrawWidth(1);
    ResetZoomAndFrame(picture, frame);
    DrawArrowAxes(picture, WholePart(frame.xZoom), WholePart(frame.yZoom));
    DrawTicks(picture, frame, 0.2, false);
    picture.setDrawWidth(1);
}

std::string PointerPositionText(float x, float y) {
    const auto fixed = [](float v) { return vbrt::FormatFixed2(vbrt::Val(vbrt::SingleToText(v))); };
    return "( " + fixed(x) + ", " + fixed(y) + " )";
}

}  // namespace canvas
