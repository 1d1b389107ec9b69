// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "canvas/DrawingList.h"
#include "plotter/CurveSnap.h"
#include "plotter/KeyPoints.h"
#include "plotter/TypedCurves.h"
#include "plotter/ValueTable.h"

namespace shell {

// A curve of the table of values: its legend or formula line, and its rows evaluated as its
// plot evaluates it.
struct TableCurve {
    using Rows = std::function<std::vector<plotter::TableRow>(const plotter::TableRange&)>;
    QString name;
    Rows rows;
};

// The curves the drawing shows, read from their recipes: the typed plots and presets since
// the canvas was last erased, numbered 1, 2, … in drawing order (a curve drawn again keeps
// its first number). The key points, the snap and the table of values work on them.
class DrawnCurves {
  public:
    explicit DrawnCurves(std::span<const canvas::DrawnItem> items);

    const std::vector<plotter::KeyCurve>& curves() const { return curves_; }
    // The legend line (typed plots) or formula line (presets) of each curve.
    const QStringList& names() const { return names_; }
    // The curves with a table of values: typed y= plots and the graph presets.
    std::vector<TableCurve> tables() const;

    // What identifies the curves of a drawing: equal for drawings with the same curves.
    static std::string Signature(std::span<const canvas::DrawnItem> items);

  private:
    std::shared_ptr<plotter::TypedCurves> typed_;  // the engine the typed curves evaluate in
    std::vector<plotter::KeyCurve> curves_;
    std::vector<canvas::Recipe> recipes_;
    QStringList names_;
};

// A typed plot or a preset: an item with a curve.
bool IsCurve(const canvas::DrawnItem& item);
// The items since the plot canvas was last erased: the earlier ones are not shown.
std::span<const canvas::DrawnItem> Shown(std::span<const canvas::DrawnItem> items);
// What identifies the curve of a typed plot or preset: equal for items of the same recipe.
std::string RecipeKey(const canvas::DrawnItem& item);
// The curve a typed plot or preset draws, read from its recipe; nullopt for other items and
// recipes that draw no curve. Typed curves evaluate in `typed`, which must outlive it.
std::optional<plotter::KeyCurve> CurveOf(const canvas::DrawnItem& item, plotter::TypedCurves& typed,
                                         int number);

// The part of the plane the canvas shows.
plotter::ViewRect VisibleRect(const canvas::Canvas& picture);
// User units per pixel of the canvas.
plotter::PixelSize PixelSizeOf(const canvas::Canvas& picture);

// The key-point lines of the drawing in the canvas's view (funcurve-cli --key-points).
std::vector<std::string> KeyPointLines(std::span<const canvas::DrawnItem> items,
                                       const canvas::Canvas& picture);

}  // namespace shell
