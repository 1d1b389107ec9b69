#include "canvas/SvgExport.h"

#include <QFontMetricsF>
#include <cmath>
#include <cstdio>

namespace canvas {
namespace {

std::string Number(double v) {
    if (!std::isfinite(v)) v = 0;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7g", v);
    return buffer;
}

std::string Colour(QRgb c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", qRed(c), qGreen(c), qBlue(c));
    return buffer;
}

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// Far-away coordinates are pulled in so that every viewer draws the visible part.
double Tame(double v) {
    return std::fmax(-1e6, std::fmin(1e6, v));
}

// Size of one pixel in user units, as (dx, dy) magnitudes.
struct PixelSize {
    double x, y;
};

std::string Shape(const CanvasOp& op, PixelSize px, const Canvas& c) {
    const double w = op.width;
    switch (op.kind) {
        case CanvasOp::Line:
            return "<line x1=\"" + Number(Tame(op.x1)) + "\" y1=\"" + Number(Tame(op.y1)) +
                   "\" x2=\"" + Number(Tame(op.x2)) + "\" y2=\"" + Number(Tame(op.y2)) +
                   "\" stroke=\"" + Colour(op.color) + "\" stroke-width=\"" + Number(w) +
                   "\" vector-effect=\"non-scaling-stroke\"/>\n";
        case CanvasOp::Point:
            if (std::fabs(op.x1) > 1e6 || std::fabs(op.y1) > 1e6) return {};
            return "<rect x=\"" + Number(op.x1 - w * px.x / 2) + "\" y=\"" +
                   Number(op.y1 - w * px.y / 2) + "\" width=\"" + Number(w * px.x) +
                   "\" height=\"" + Number(w * px.y) + "\" fill=\"" + Colour(op.color) + "\"/>\n";
        case CanvasOp::Text: {
            // Text is drawn upright in pixel units at the user position.
            const QFontMetricsF metrics(c.font());
            const QPointF at = c.toPixel(op.x1, op.y1);
            return "<text x=\"" + Number(at.x()) + "\" y=\"" + Number(at.y() + metrics.ascent()) +
                   "\" fill=\"" + Colour(op.color) + "\" font-family=\"" +
                   Escape(c.font().family().toStdString()) + "\" font-size=\"" +
                   Number(c.font().pixelSize() > 0 ? c.font().pixelSize()
                                                   : c.font().pointSizeF() * 96 / 72) +
                   "px\" xml:space=\"preserve\">" + Escape(op.text) + "</text>\n";
        }
        case CanvasOp::Clear:
            return {};
    }
    return {};
}

// Opens a group that maps user units onto the bitmap's pixel centres.
std::string UserGroup(const Canvas& c) {
    const double sx = (c.Image().width() - 1) / double(c.scaleWidth());
    const double sy = (c.Image().height() - 1) / double(c.scaleHeight());
    return "<g shape-rendering=\"crispEdges\" transform=\"matrix(" + Number(sx) + " 0 0 " +
           Number(sy) + " " + Number(-c.scaleLeft() * sx) + " " + Number(-c.scaleTop() * sy) +
           ")\">\n";
}

}  // namespace

std::string ToSvg(const Canvas& c) {
    const int width = c.Image().width(), height = c.Image().height();
    const PixelSize px{std::fabs(c.scaleWidth()) / std::max(1, width - 1),
                       std::fabs(c.scaleHeight()) / std::max(1, height - 1)};
    const std::string size = std::to_string(width) + " " + std::to_string(height);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(width) +
           "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " + size + "\">\n";
    svg += "<rect width=\"100%\" height=\"100%\" fill=\"" + Colour(c.background().rgb()) + "\"/>\n";
    svg += UserGroup(c);
    for (const CanvasOp& op : c.trace()) {
        // Text stays upright, so it leaves the flipped user group for a moment.
        if (op.kind == CanvasOp::Text)
            svg += "</g>\n" + Shape(op, px, c) + UserGroup(c);
        else
            svg += Shape(op, px, c);
    }
    svg += "</g>\n</svg>\n";
    return svg;
}

}  // namespace canvas
