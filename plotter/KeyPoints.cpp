// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotter/KeyPoints.h"

#include <cstdio>

#include "plotter/KeySearch.h"

namespace plotter {

std::vector<KeyPoint> FindKeyPoints(const std::vector<KeyCurve>& curves, const ViewRect& view) {
    KeySearch out(view);
    for (const KeyCurve& c : curves)
        CurveKeyPoints(out, c);
    for (std::size_t i = 0; i < curves.size(); ++i)
        for (std::size_t j = i + 1; j < curves.size(); ++j)
            PairKeyPoints(out, curves[i], curves[j]);
    return std::move(out).sorted();
}

const char* KeyKindName(KeyKind kind) {
    switch (kind) {
        case KeyKind::Zero:
            return "zero";
        case KeyKind::YIntercept:
            return "y-intercept";
        case KeyKind::Extremum:
            return "extremum";
        case KeyKind::Intersection:
            return "intersection";
    }
    return "";
}

std::string KeyNumberText(double value, int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*g", digits, Clean(value) + 0.0);
    return text;
}

std::string KeyPointLine(const KeyPoint& point) {
    std::string line = KeyKindName(point.kind);
    line += '\t' + KeyNumberText(point.x, 12) + '\t' + KeyNumberText(point.y, 12) + '\t';
    for (std::size_t i = 0; i < point.curves.size(); ++i)
        line += (i ? "," : "") + std::to_string(point.curves[i]);
    return line;
}

}  // namespace plotter
