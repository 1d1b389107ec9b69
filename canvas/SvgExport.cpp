// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/SvgExport.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "canvas/DotCover.h"
#include "canvas/Raster.h"

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

// The font as a CSS family list: the face the PNG was drawn with first (a viewer may take a
// name it lacks, such as 宋体, for any face), then the canvas font, its substitutes and the
// generic family.
std::string FontFamily(const QFont& font) {
    QStringList families{QFontInfo(font).family(), font.family()};
    families += QFont::substitutes(font.family());
    families.removeDuplicates();
    std::string list;
    for (const QString& family : families)
        list += "'" + Escape(family.toStdString()) + "', ";
    return list + "serif";
}

double FontPixels(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96 / 72;
}

// A segment as the PNG draws it at ratio 1: ends on whole pixels, the stroke on their
// centres, square caps; nothing when it misses the picture.
std::string Segment(const CanvasOp& op, const Canvas& c) {
    QPointF a = op.pixel1, b = op.pixel2;
    if (!ClipToPicture(a, b, c.pixelSize())) return {};
    const double offset = StrokeOffset(op.width);
    auto at = [offset](double v) { return Number(std::round(v) + offset); };
    return "<line x1=\"" + at(a.x()) + "\" y1=\"" + at(a.y()) + "\" x2=\"" + at(b.x()) +
           "\" y2=\"" + at(b.y()) + "\" stroke=\"" + Colour(op.color) + "\" stroke-width=\"" +
           std::to_string(std::max(1, op.width)) + "\"/>\n";
}

// A dot as the pixels the PNG sets for it; nothing when it misses the picture.
std::string Dot(const CanvasOp& op, const Canvas& c) {
    const QPointF p = op.pixel1;
    if (!IsNear(p)) return {};
    const QRect dot = DotRect(p, op.width, 1);
    if (!dot.intersects(QRect(QPoint(0, 0), c.pixelSize()))) return {};
    return "<rect x=\"" + std::to_string(dot.x()) + "\" y=\"" + std::to_string(dot.y()) +
           "\" width=\"" + std::to_string(dot.width()) + "\" height=\"" +
           std::to_string(dot.height()) + "\" fill=\"" + Colour(op.color) + "\"/>\n";
}

// Hard-edged glyphs in the picture ask the renderer for hard edges too.
std::string TextRendering(const QFont& font) {
    if (!(font.styleStrategy() & QFont::NoAntialias)) return {};
    return " text-rendering=\"optimizeSpeed\"";
}

// Text upright at its top-left corner, baseline one ascent lower, in the canvas font.
std::string Text(const CanvasOp& op, const Canvas& c) {
    const QPointF at = op.pixel1;
    if (!TextMeetsPicture(at, c.font(), QString::fromStdString(op.text), c.pixelSize())) return {};
    return "<text x=\"" + Number(at.x()) + "\" y=\"" +
           Number(at.y() + QFontMetricsF(c.font()).ascent()) + "\" fill=\"" + Colour(op.color) +
           "\" font-family=\"" + FontFamily(c.font()) + "\" font-size=\"" +
           Number(FontPixels(c.font())) + "px\"" + TextRendering(c.font()) +
           " xml:space=\"preserve\">" + Escape(op.text) + "</text>\n";
}

std::string Shape(const CanvasOp& op, const Canvas& c) {
    switch (op.kind) {
        case CanvasOp::Line:
            return Segment(op, c);
        case CanvasOp::Point:
            return Dot(op, c);
        case CanvasOp::Text:
            return Text(op, c);
        case CanvasOp::Clear:
            break;
    }
    return {};
}

// The dots of one item as one path of few rectangles, or each operation in its order.
std::string Run(std::span<const CanvasOp> ops, const Canvas& c) {
    if (const auto cover = CoverOfDots(ops, c.pixelSize())) {
        if (cover->rects.empty()) return {};
        std::string path;
        for (const QRect& r : cover->rects)
            path += "M" + std::to_string(r.x()) + " " + std::to_string(r.y()) + "h" +
                    std::to_string(r.width()) + "v" + std::to_string(r.height()) + "h-" +
                    std::to_string(r.width()) + "z";
        return "<path d=\"" + path + "\" fill=\"" + Colour(cover->colour) + "\"/>\n";
    }
    std::string shapes;
    for (const CanvasOp& op : ops)
        shapes += Shape(op, c);
    return shapes;
}

}  // namespace

std::string ToSvg(const Canvas& c) {
    const std::string width = std::to_string(c.pixelSize().width());
    const std::string height = std::to_string(c.pixelSize().height());
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + width + "\" height=\"" + height +
           "\" viewBox=\"0 0 " + width + " " + height + "\">\n";
    svg += "<rect width=\"100%\" height=\"100%\" fill=\"" + Colour(c.background().rgb()) + "\"/>\n";
    svg += "<g shape-rendering=\"crispEdges\" stroke-linecap=\"square\">\n";
    for (const auto& run : c.drawing())
        svg += Run(run, c);
    svg += "</g>\n</svg>\n";
    return svg;
}

}  // namespace canvas
