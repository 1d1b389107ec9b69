// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/DotCover.h"

#include <map>
#include <utility>

#include "canvas/Raster.h"

namespace canvas {
namespace {

bool DotsOfOneColour(std::span<const CanvasOp> ops) {
    for (const CanvasOp& op : ops)
        if (op.kind != CanvasOp::Point || op.color != ops.front().color) return false;
    return !ops.empty();
}

// The pixels the dots set, row by row.
std::vector<bool> Mask(std::span<const CanvasOp> ops, QSize size) {
    std::vector<bool> mask(size_t(size.width()) * size_t(size.height()), false);
    const QRect picture(QPoint(0, 0), size);
    for (const CanvasOp& op : ops) {
        if (!IsNear(op.pixel1)) continue;
        const QRect dot = DotRect(op.pixel1, op.width, 1) & picture;
        for (int y = dot.top(); y <= dot.bottom(); ++y)
            for (int x = dot.left(); x <= dot.right(); ++x)
                mask[size_t(y) * size_t(size.width()) + size_t(x)] = true;
    }
    return mask;
}

// The runs of set pixels along one row, as (first, last) columns.
std::vector<std::pair<int, int>> RowRuns(const std::vector<bool>& mask, int row, int width) {
    std::vector<std::pair<int, int>> runs;
    const size_t base = size_t(row) * size_t(width);
    for (int x = 0; x < width; ++x) {
        if (!mask[base + size_t(x)]) continue;
        const int first = x;
        while (x + 1 < width && mask[base + size_t(x) + 1])
            ++x;
        runs.emplace_back(first, x);
    }
    return runs;
}

}  // namespace

std::optional<DotCover> CoverOfDots(std::span<const CanvasOp> ops, QSize picturePixels) {
    if (!DotsOfOneColour(ops)) return std::nullopt;
    const std::vector<bool> mask = Mask(ops, picturePixels);
    DotCover cover{ops.front().color, {}};
    std::map<std::pair<int, int>, QRect> growing;  // runs still open, by their columns
    for (int y = 0; y <= picturePixels.height(); ++y) {
        const auto runs = y < picturePixels.height() ? RowRuns(mask, y, picturePixels.width())
                                                     : std::vector<std::pair<int, int>>{};
        std::map<std::pair<int, int>, QRect> next;
        for (const auto& run : runs) {
            const auto it = growing.find(run);
            if (it == growing.end()) {
                next[run] = QRect(QPoint(run.first, y), QPoint(run.second, y));
            } else {
                next[run] = it->second.adjusted(0, 0, 0, 1);
                growing.erase(it);
            }
        }
        for (const auto& ended : growing)
            cover.rects.push_back(ended.second);
        growing = std::move(next);
    }
    return cover;
}

}  // namespace canvas
