// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "shell/DrawnCurves.h"

namespace shell {

class CanvasView;
class KeyPointsDialog;
class frmFunCurve;

// Reads exact values off the drawn curves for the window: the read-out's snap to a curve,
// the 关键点 dialog with its rings, and the 数值表 dialog. It reads the drawing list afresh
// whenever its curves have changed.
class CurveReader : public QObject {
    Q_OBJECT
  public:
    CurveReader(frmFunCurve& window, CanvasView& view);
    ~CurveReader() override;

    // The read-out for the pointer at (x, y) when a curve passes within 5 pixels: its point
    // and its line; the snapped point is marked on the canvas. nullopt away from curves.
    std::optional<QString> snappedReadOut(float x, float y);
    void showKeyPoints();
    void showValueTable();

  private:
    const DrawnCurves& drawn();

    frmFunCurve& window_;
    CanvasView& view_;
    std::unique_ptr<DrawnCurves> drawn_;
    std::unique_ptr<plotter::CurveSnapper> snapper_;
    std::string signature_;
    QPointer<KeyPointsDialog> keyPoints_;
};

}  // namespace shell
