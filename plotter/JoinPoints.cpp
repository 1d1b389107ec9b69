// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <vector>

#include "canvas/Frame.h"
#include "plotter/BluePoint.h"
#include "plotter/PlotCommands.h"
#include "plotter/PointStore.h"
#include "plotter/StatusLine.h"

namespace plotter {
namespace {

// The passes look at the first 100000 stored points.
constexpr std::size_t kPassedPoints = kPointStoreSlots - 1;
constexpr double kJoinDistance = 1;

using QuadrantTest = bool (*)(const StoredPoint&);

// Green segments between consecutive points of one quadrant (file order) at most one unit
// apart. The list holds at most 50001 points; the points beyond are left out.
void JoinQuadrant(canvas::Canvas& picture, const std::vector<StoredPoint>& store,
                  QuadrantTest inQuadrant) {
    std::vector<StoredPoint> quadrant;
    const std::size_t passed = std::min(store.size(), kPassedPoints);
    for (std::size_t j = 0; j < passed && quadrant.size() < kQuadrantSlots; ++j) {
        if (inQuadrant(store[j])) quadrant.push_back(store[j]);
    }
    for (std::size_t i = 0; i + 1 < quadrant.size(); ++i) {
        const StoredPoint a = quadrant[i], b = quadrant[i + 1];
        if (!FitsSingle(a.x) || !FitsSingle(a.y) || !FitsSingle(b.x) || !FitsSingle(b.y)) continue;
        const double dx = b.x - a.x, dy = b.y - a.y;
        if (!(std::sqrt(dy * dy + dx * dx) <= kJoinDistance)) continue;
        picture.Line(static_cast<float>(a.x), static_cast<float>(a.y), static_cast<float>(b.x),
                     static_cast<float>(b.y), canvas::kJoinSegmentColour);
    }
}

void JoinQuadrantI(canvas::Canvas& picture, const std::vector<StoredPoint>& store) {
    JoinQuadrant(picture, store, [](const StoredPoint& p) { return p.x > 0 && p.y > 0; });
}
void JoinQuadrantII(canvas::Canvas& picture, const std::vector<StoredPoint>& store) {
    JoinQuadrant(picture, store, [](const StoredPoint& p) { return p.x < 0 && p.y > 0; });
}
void JoinQuadrantIII(canvas::Canvas& picture, const std::vector<StoredPoint>& store) {
    JoinQuadrant(picture, store, [](const StoredPoint& p) { return p.x < 0 && p.y < 0; });
}
void JoinQuadrantIV(canvas::Canvas& picture, const std::vector<StoredPoint>& store) {
    JoinQuadrant(picture, store, [](const StoredPoint& p) { return p.x > 0 && p.y < 0; });
}

}  // namespace

// Reads the point file of the last plot and joins close neighbours quadrant by quadrant.
void JoinPlottedPoints(PlotContext& ctx) {
    std::vector<StoredPoint> store;
    if (!ReadPointStore(PointFilePath(ctx), store)) {
        ctx.setStatus(kStatusNothingToJoin);
        return;
    }
    JoinQuadrantI(ctx.picture1, store);
    JoinQuadrantII(ctx.picture1, store);
    JoinQuadrantIII(ctx.picture1, store);
    JoinQuadrantIV(ctx.picture1, store);
}

}  // namespace plotter
