// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "canvas/DrawingList.h"
#include "plotter/KeyCurve.h"

namespace shell {

// Curves sampled again for the pixels of the picture. A curve item keeps its own dots only in
// the start-up picture it was drawn in; in any other view or canvas size a job samples its
// curve again for the view's pixels and has the picture drawn again with those points. Until
// then the item's own dots stand in. The job lets the event loop run every few milliseconds,
// starts again when the view changes meanwhile, and waits while a plot runs (and stops
// for good when the program ends).
class ViewResampler : public QObject {
  public:
    struct Hooks {
        std::function<void()> redraw;    // draws the picture again from the list
        std::function<void()> yield;     // one pass of the event loop
        std::function<bool()> mustWait;  // a plot runs, or the program ends
    };
    ViewResampler(const canvas::DrawingList& list, canvas::Canvas& picture, Hooks hooks,
                  QObject* parent);

    // The view or the list has changed: samples what the picture lacks, from the event loop.
    void schedule();
    // Samples what the picture lacks now, without letting the event loop run.
    void finish();
    // Draws a curve item with the points sampled for the picture; false when it has none.
    bool drawAgain(const canvas::DrawnItem& item);

  private:
    bool needsSampling(const canvas::DrawnItem& item) const;
    // Forgets the points of another frame; true when the frame is still the one sampled.
    bool sameFrame();
    void run();
    // Samples each shown curve that lacks points, until a new frame or a plot stops it.
    void sampleMissing(bool yielding);

    const canvas::DrawingList& list_;
    canvas::Canvas& picture_;
    Hooks hooks_;
    canvas::PictureFrame frame_;  // of the points kept
    // By recipe; none for a curve that keeps its own dots.
    std::map<std::string, std::optional<std::vector<plotter::CurvePoint>>> points_;
    std::uint64_t generation_ = 0;  // bumped by a new frame
    bool scheduled_ = false;
    bool running_ = false;
    bool again_ = false;  // asked to run while running
};

}  // namespace shell
