// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The drawing as a list of drawn items, one per user action.
//
// Opening and closing. The layer that runs an action (the window, for each of its commands)
// opens an item before it draws and closes it afterwards (`DrawingList::Scope` does both).
// Everything the three canvases draw meanwhile belongs to the open item: the dots and lines
// that marked the plot canvas (Picture1), each dot once per device pixel, and the text lines
// printed on the formula strip (Picture2) and the legend box (Picture4). An erase (Cls) inside
// an item makes the item start its canvas afresh. The opener gives the item its kind and, for
// typed plots and presets, its recipe: the box texts needed to draw it again, as plain data,
// so the layers above can evaluate or re-sample it without the canvas knowing how. An action
// that starts while another is still drawing (a click handled inside a plot's yield) splits
// the outer item: its part so far is closed, and what it draws after the inner one is a new
// item of the same kind and recipe, so the list keeps the order in which things were drawn.
//
// Replaying. Every picture is the replay of the items before the end marker: each canvas from
// the last item that erased it, through Canvas::paint (bitmaps at any ratio) or the SVG export.
// Undo and redo move the end marker and redraw the canvases; opening an item after an undo
// forgets the undone ones. The first item (the start-up frame) is never undone.
//
// A view change (another user frame) draws the plot layer of every shown item again in the
// new view: the layer above draws the items it knows how to (the frame items by running
// their action again), every other item is drawn again from the user coordinates it keeps.
// Text lines stay as they are; what was undone is drawn again as well, for a redo.

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "canvas/Canvas.h"
#include "canvas/DotSet.h"

namespace canvas {

// The three canvases an item draws on.
enum class Surface { Plot, Formula, Legend };
inline constexpr int kSurfaces = 3;

enum class ItemKind {
    PlainFrame,
    CoordinateSystem1,
    CoordinateSystem2,
    Grid,
    TypedPlot,
    Preset,
    Join,
    Clear,
    Other,  // drawing that no action opened an item for
};

// What a typed plot or a preset needs to be drawn again: the texts of the window's boxes as
// they were when it was drawn. The layer above fills and reads it.
struct Recipe {
    std::string equation;               // Combo1 (typed plots)
    std::array<std::string, 6> ranges;  // Text4_0 .. Text4_5: x, y, t from/to
    std::string preset;                 // the preset button's name
    std::string a, b;                   // Text1, Text2
};

// The user scale and pixel size of the plot canvas: in the same frame the same operations
// mark the same pixels.
struct PictureFrame {
    float left = 0, top = 0, right = 0, bottom = 0;
    QSize pixels;
    bool operator==(const PictureFrame&) const = default;
};
PictureFrame FrameOf(const Canvas& canvas);

// Draws the operations again through the canvas's user scale of now; `dots` false leaves
// out the dots (for a curve whose dots are sampled again).
void DrawInUserCoordinates(Canvas& canvas, const std::vector<CanvasOp>& ops, bool dots = true);

struct DrawnItem {
    // What one canvas got from the item.
    struct Layer {
        std::shared_ptr<const std::vector<CanvasOp>> ops;  // shared with an identical item
        // The ops as first drawn: what a new view draws again from their user coordinates,
        // so that a zoom in and out again loses nothing that left the picture meanwhile.
        std::shared_ptr<const std::vector<CanvasOp>> firstDrawn;
        bool erases = false;  // starts its canvas afresh
        CanvasState after;    // the canvas's state at the close
    };
    ItemKind kind = ItemKind::Other;
    Recipe recipe;
    std::array<Layer, kSurfaces> layers;
    PictureFrame firstFrame;  // the plot canvas's when the item was drawn

    const std::vector<CanvasOp>& ops(Surface surface) const;
    // Its legend lines (Legend) or formula lines (Formula), in print order.
    std::vector<std::string> lines(Surface surface) const;
};

class DrawingList : public CanvasRecord {
  public:
    // Listens to the three canvases from now on; they must outlive the list.
    DrawingList(Canvas& plot, Canvas& formula, Canvas& legend);
    ~DrawingList() override;
    DrawingList(const DrawingList&) = delete;
    DrawingList& operator=(const DrawingList&) = delete;

    // Opens an item; the id closes it.
    int open(ItemKind kind, Recipe recipe = {});
    // Closes the item (and any still open inside it); an id no longer open is ignored.
    void close(int id);

    // Opens an item for its lifetime.
    class Scope {
      public:
        Scope(DrawingList& list, ItemKind kind, Recipe recipe = {})
            : list_(list), id_(list.open(kind, std::move(recipe))) {}
        ~Scope() { list_.close(id_); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

      private:
        DrawingList& list_;
        int id_;
    };

    bool canUndo() const { return end_ > 1; }
    bool canRedo() const { return end_ < items_.size(); }
    // Closes what is open, moves the end marker and redraws the canvases; false when there
    // was nothing to undo or redo.
    bool undo();
    bool redo();

    // Draws every item's plot layer again, oldest first (a new view), and shows the canvases
    // up to the end marker. `drawAgain` draws an item in the new view and says whether it
    // did; otherwise the item is drawn again from its user coordinates.
    void redrawPlot(const std::function<bool(const DrawnItem&)>& drawAgain);

    // The items shown (before the end marker), oldest first.
    std::span<const DrawnItem> items() const { return {items_.data(), end_}; }
    size_t undoneCount() const { return items_.size() - end_; }

    // Items shown on a canvas, with the open one: from the last that erased it.
    OpRuns runs(const Canvas& on) const override;
    void drawn(const Canvas& on, const CanvasOp& op, bool visible) override;
    void erased(const Canvas& on) override;

  private:
    struct Open {
        int id;
        DrawnItem item;
        std::array<std::vector<CanvasOp>, kSurfaces> ops;
        DotSet dots;
    };
    int surfaceOf(const Canvas& on) const;
    Open& top();
    Open start(int id, ItemKind kind, Recipe recipe) const;
    // Moves the innermost open item into the list; an empty one is dropped.
    void finish(Open& open);
    void closeAll();
    void redraw();

    std::array<Canvas*, kSurfaces> canvases_;
    std::vector<DrawnItem> items_;
    size_t end_ = 0;
    std::vector<Open> open_;  // innermost last
    int nextId_ = 1;
};

}  // namespace canvas
