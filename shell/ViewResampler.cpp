// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ViewResampler.h"

#include <QTimer>
#include <algorithm>
#include <exception>
#include <set>

#include "canvas/Palette.h"
#include "plotter/TypedCurves.h"
#include "plotter/ViewSampling.h"
#include "plotter/YieldPacer.h"
#include "shell/DrawnCurves.h"

namespace shell {
namespace {

struct DotStyle {
    QRgb colour;
    int width;
};

// The colour and pen width of the item's own dots (a curve drawn off the picture has none:
// those of its kind).
DotStyle DotStyleOf(const canvas::DrawnItem& item) {
    if (const auto& ops = item.layers[size_t(canvas::Surface::Plot)].firstDrawn) {
        for (const canvas::CanvasOp& op : *ops)
            if (op.kind == canvas::CanvasOp::Point) return {op.color, op.width};
    }
    if (item.kind == canvas::ItemKind::Preset) return {canvas::kPresetDotColour, 1};
    return {canvas::kPlotDotColour, 2};
}

// The curve of a typed plot or preset as it can be drawn in another view; none for a curve
// that cannot be read again, or only in its plot's order: its own dots stay.
std::optional<plotter::KeyCurve> RedrawableCurve(const canvas::DrawnItem& item,
                                                 plotter::TypedCurves& typed) {
    try {
        auto curve = CurveOf(item, typed, 1);
        if (curve && !curve->readsPointBefore) return curve;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

// User units per device pixel of the picture.
plotter::PixelSize DevicePixelSize(const canvas::Canvas& picture) {
    const plotter::PixelSize logical = PixelSizeOf(picture);
    const double ratio = std::max(1.0, picture.devicePixelRatio());
    return {logical.x / ratio, logical.y / ratio};
}

}  // namespace

ViewResampler::ViewResampler(const canvas::DrawingList& list, canvas::Canvas& picture, Hooks hooks,
                             QObject* parent)
    : QObject(parent), list_(list), picture_(picture), hooks_(std::move(hooks)) {}

void ViewResampler::schedule() {
    if (scheduled_) return;
    scheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        scheduled_ = false;
        run();
    });
}

void ViewResampler::finish() {
    if (!running_) sampleMissing(false);
}

bool ViewResampler::needsSampling(const canvas::DrawnItem& item) const {
    if (!IsCurve(item)) return false;
    const canvas::PictureFrame now = canvas::FrameOf(picture_);
    return !(item.firstFrame == now && now == list_.items().front().firstFrame);
}

bool ViewResampler::sameFrame() {
    const canvas::PictureFrame now = canvas::FrameOf(picture_);
    if (now == frame_) return true;
    frame_ = now;
    points_.clear();
    ++generation_;
    return false;
}

bool ViewResampler::drawAgain(const canvas::DrawnItem& item) {
    if (!needsSampling(item) || !sameFrame()) return false;
    const auto found = points_.find(RecipeKey(item));
    if (found == points_.end() || !found->second) return false;
    if (const auto& own = item.layers[size_t(canvas::Surface::Plot)].firstDrawn)
        canvas::DrawInUserCoordinates(picture_, *own, false);
    const DotStyle style = DotStyleOf(item);
    picture_.setDrawWidth(style.width);
    for (const plotter::CurvePoint& p : *found->second)
        picture_.PSet(float(p.x), float(p.y), style.colour);
    return true;
}

// A new view while the job runs (inside its event-loop pass) stops it; it then starts over.
void ViewResampler::run() {
    if (running_) {
        again_ = true;
        return;
    }
    running_ = true;
    do {
        again_ = false;
        sampleMissing(true);
    } while (again_ && !hooks_.mustWait());
    running_ = false;
}

void ViewResampler::sampleMissing(bool yielding) {
    if (hooks_.mustWait()) return;
    sameFrame();
    // Copied: the list may change while the event loop runs.
    std::vector<canvas::DrawnItem> missing;
    std::set<std::string> keys;
    for (const canvas::DrawnItem& item : Shown(list_.items())) {
        const std::string key = RecipeKey(item);
        if (needsSampling(item) && points_.count(key) == 0 && keys.insert(key).second)
            missing.push_back({item.kind, item.recipe, {}, item.firstFrame});
    }
    const std::uint64_t generation = generation_;
    plotter::YieldPacer pacer(plotter::kYieldInterval);
    const std::function<bool()> keepGoing = [&] {
        if (!yielding) return true;
        if (pacer.due()) {
            hooks_.yield();
            pacer.passed();
        }
        return generation == generation_ && canvas::FrameOf(picture_) == frame_ &&
               !hooks_.mustWait();
    };
    plotter::TypedCurves typed;
    for (const canvas::DrawnItem& item : missing) {
        std::optional<std::vector<plotter::CurvePoint>> points;  // none: its own dots stay
        if (const auto curve = RedrawableCurve(item, typed)) {
            try {
                points = plotter::SampleInView(*curve, VisibleRect(picture_),
                                               DevicePixelSize(picture_), keepGoing);
                if (!points) return;  // stopped by a new frame or a plot
            } catch (const std::exception&) {
                points.reset();
            }
        }
        points_[RecipeKey(item)] = std::move(points);
        hooks_.redraw();
    }
}

}  // namespace shell
