// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/DrawingList.h"

#include <algorithm>

namespace canvas {
namespace {

const std::vector<CanvasOp> kNoOps;

bool SameOp(const CanvasOp& a, const CanvasOp& b) {
    return a.kind == b.kind && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 &&
           a.color == b.color && a.width == b.width && a.text == b.text &&
           a.pixel1.x() == b.pixel1.x() && a.pixel1.y() == b.pixel1.y() &&
           a.pixel2.x() == b.pixel2.x() && a.pixel2.y() == b.pixel2.y();
}

bool SameOps(const std::vector<CanvasOp>& a, const std::vector<CanvasOp>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameOp);
}

// The drawing state an item left behind, in the scale the canvas has now.
void RestoreDrawingState(Canvas& canvas, const CanvasState& state) {
    canvas.setForeColor(state.foreColor);
    canvas.setDrawWidth(state.drawWidth);
    canvas.setCurrentX(state.currentX);
    canvas.setCurrentY(state.currentY);
}

}  // namespace

void DrawInUserCoordinates(Canvas& canvas, const std::vector<CanvasOp>& ops, bool dots) {
    for (const CanvasOp& op : ops) {
        if (op.kind == CanvasOp::Point && !dots) continue;
        canvas.setDrawWidth(op.width);
        switch (op.kind) {
            case CanvasOp::Line:
                canvas.Line(op.x1, op.y1, op.x2, op.y2, op.color);
                break;
            case CanvasOp::Point:
                canvas.PSet(op.x1, op.y1, op.color);
                break;
            case CanvasOp::Text:
                canvas.setForeColor(op.color);
                canvas.setCurrentX(op.x1);
                canvas.setCurrentY(op.y1);
                canvas.Print(op.text);
                break;
            case CanvasOp::Clear:
                canvas.Cls();
                break;
        }
    }
}

PictureFrame FrameOf(const Canvas& canvas) {
    const CanvasState state = canvas.state();
    return {state.left, state.top, state.right, state.bottom, canvas.pixelSize()};
}

const std::vector<CanvasOp>& DrawnItem::ops(Surface surface) const {
    const auto& layer = layers[size_t(surface)];
    return layer.ops ? *layer.ops : kNoOps;
}

std::vector<std::string> DrawnItem::lines(Surface surface) const {
    std::vector<std::string> lines;
    for (const CanvasOp& op : ops(surface))
        if (op.kind == CanvasOp::Text) lines.push_back(op.text);
    return lines;
}

DrawingList::DrawingList(Canvas& plot, Canvas& formula, Canvas& legend)
    : canvases_{&plot, &formula, &legend} {
    for (Canvas* canvas : canvases_)
        canvas->setRecord(this);
}

DrawingList::~DrawingList() {
    for (Canvas* canvas : canvases_)
        canvas->setRecord(nullptr);
}

DrawingList::Open DrawingList::start(int id, ItemKind kind, Recipe recipe) const {
    Open open{id, {}, {}, {}};
    open.item.kind = kind;
    open.item.recipe = std::move(recipe);
    return open;
}

int DrawingList::open(ItemKind kind, Recipe recipe) {
    // What the outer item drew so far comes before the inner one in the list.
    if (!open_.empty()) finish(open_.back());
    const int id = nextId_++;
    open_.push_back(start(id, kind, std::move(recipe)));
    return id;
}

void DrawingList::close(int id) {
    const auto it =
        std::find_if(open_.begin(), open_.end(), [id](const Open& open) { return open.id == id; });
    if (it == open_.end()) return;
    while (!open_.empty() && open_.back().id != id) {
        finish(open_.back());
        open_.pop_back();
    }
    finish(open_.back());
    open_.pop_back();
}

void DrawingList::closeAll() {
    while (!open_.empty()) {
        finish(open_.back());
        open_.pop_back();
    }
}

void DrawingList::finish(Open& open) {
    DrawnItem item = open.item;
    bool empty = true;
    for (int s = 0; s < kSurfaces; ++s) {
        auto& layer = item.layers[size_t(s)];
        auto& ops = open.ops[size_t(s)];
        empty = empty && ops.empty() && !layer.erases;
        layer.after = canvases_[size_t(s)]->state();
        // A press that draws exactly what the one before drew keeps no second copy.
        const DrawnItem* before = end_ > 0 ? &items_[end_ - 1] : nullptr;
        if (before && before->layers[size_t(s)].ops && SameOps(*before->layers[size_t(s)].ops, ops))
            layer.ops = before->layers[size_t(s)].ops;
        else
            layer.ops = std::make_shared<const std::vector<CanvasOp>>(std::move(ops));
        layer.firstDrawn = layer.ops;
        ops = {};
        open.item.layers[size_t(s)].erases = false;
    }
    open.dots.clear();
    if (empty) return;
    item.firstFrame = FrameOf(*canvases_[size_t(Surface::Plot)]);
    items_.resize(end_);  // drawing after an undo forgets what was undone
    items_.push_back(std::move(item));
    end_ = items_.size();
}

int DrawingList::surfaceOf(const Canvas& on) const {
    const auto it = std::find(canvases_.begin(), canvases_.end(), &on);
    return it == canvases_.end() ? 0 : int(it - canvases_.begin());
}

DrawingList::Open& DrawingList::top() {
    if (open_.empty()) open(ItemKind::Other);
    return open_.back();
}

void DrawingList::drawn(const Canvas& on, const CanvasOp& op, bool visible) {
    if (!visible && op.kind != CanvasOp::Text) return;
    const int s = surfaceOf(on);
    Open& open = top();
    if (s == int(Surface::Plot) && open.dots.repeats(op, on.pixelSize(), on.devicePixelRatio()))
        return;
    open.ops[size_t(s)].push_back(op);
}

void DrawingList::erased(const Canvas& on) {
    const int s = surfaceOf(on);
    Open& open = top();
    open.ops[size_t(s)].clear();
    open.item.layers[size_t(s)].erases = true;
    if (s == int(Surface::Plot)) open.dots.clear();
}

OpRuns DrawingList::runs(const Canvas& on) const {
    const size_t s = size_t(surfaceOf(on));
    // Only the innermost open item has drawn since the items before it were closed.
    const Open* open = open_.empty() ? nullptr : &open_.back();
    OpRuns runs;
    if (!open || !open->item.layers[s].erases) {
        size_t first = end_;
        while (first > 0 && !items_[first - 1].layers[s].erases)
            --first;
        first = first > 0 ? first - 1 : 0;
        for (size_t i = first; i < end_; ++i)
            runs.emplace_back(items_[i].ops(Surface(s)));
    }
    if (open) runs.emplace_back(open->ops[s]);
    return runs;
}

void DrawingList::redrawPlot(const std::function<bool(const DrawnItem&)>& drawAgain) {
    closeAll();
    Canvas& plot = *canvases_[size_t(Surface::Plot)];
    for (size_t i = 0; i < items_.size(); ++i) {
        DrawnItem& item = items_[i];
        auto& layer = item.layers[size_t(Surface::Plot)];
        // What the item draws now is caught by an open item of its own, never kept.
        open_.push_back(start(nextId_++, item.kind, item.recipe));
        if (i == 0 || layer.erases) plot.Cls();
        if (!drawAgain(item) && layer.firstDrawn) DrawInUserCoordinates(plot, *layer.firstDrawn);
        Open& again = open_.back();
        layer.erases = i == 0 || again.item.layers[size_t(Surface::Plot)].erases;
        layer.ops = std::make_shared<const std::vector<CanvasOp>>(
            std::move(again.ops[size_t(Surface::Plot)]));
        const CanvasState now = plot.state();
        layer.after.left = now.left;
        layer.after.top = now.top;
        layer.after.right = now.right;
        layer.after.bottom = now.bottom;
        RestoreDrawingState(plot, layer.after);
        open_.pop_back();
    }
    // The undone items were drawn too, so that a redo shows them in this view.
    if (end_ < items_.size()) redraw();
}

bool DrawingList::undo() {
    closeAll();
    if (!canUndo()) return false;
    --end_;
    redraw();
    return true;
}

bool DrawingList::redo() {
    closeAll();
    if (!canRedo()) return false;
    ++end_;
    redraw();
    return true;
}

void DrawingList::redraw() {
    for (int s = 0; s < kSurfaces; ++s)
        canvases_[size_t(s)]->redraw(items_[end_ - 1].layers[size_t(s)].after);
}

}  // namespace canvas
