// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ViewActions.h"

#include <QAction>
#include <QMenu>

#include "shell/CanvasView.h"
#include "shell/FunCurveWindow.h"
#include "texts/Texts.h"

namespace shell {
namespace {

// Pixels one arrow key press moves the picture.
constexpr double kArrowPan = 40;

QAction* AddAction(frmFunCurve& window, QMenu& menu, const char* name, const char* text,
                   const QList<QKeySequence>& keys) {
    auto* action = new QAction(QString::fromUtf8(text), &window);
    action->setObjectName(QString::fromUtf8(name));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    menu.addAction(action);
    return action;
}

// A key of the canvas while it has the focus (the equation list takes the arrows otherwise).
void AddCanvasKey(QWidget& canvas, const QKeySequence& key, std::function<void()> run) {
    auto* action = new QAction(&canvas);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
    canvas.addAction(action);
    QObject::connect(action, &QAction::triggered, &canvas, std::move(run));
}

}  // namespace

void AddViewActions(frmFunCurve& window, QMenu& menu) {
    PlotView& view = window.plotView();
    QObject::connect(AddAction(window, menu, "zoomIn", texts::kViewZoomIn,
                               {QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal)}),
                     &QAction::triggered, &window, [&view] { view.zoom(1); });
    QObject::connect(
        AddAction(window, menu, "zoomOut", texts::kViewZoomOut, {QKeySequence(Qt::Key_Minus)}),
        &QAction::triggered, &window, [&view] { view.zoom(-1); });
    QObject::connect(
        AddAction(window, menu, "resetView", texts::kViewReset, {QKeySequence(Qt::Key_Home)}),
        &QAction::triggered, &window, [&view] { view.reset(); });
    QAction* equal = AddAction(window, menu, "equalUnits", texts::kViewEqualUnits, {});
    equal->setCheckable(true);
    equal->setChecked(view.equalUnits());
    QObject::connect(equal, &QAction::triggered, &window,
                     [&view](bool on) { view.setEqualUnits(on); });
    QAction* pi = AddAction(window, menu, "piTicks", texts::kViewPiTicks, {});
    pi->setCheckable(true);
    QObject::connect(pi, &QAction::triggered, &window, [&view](bool on) { view.setPiTicks(on); });

    auto* canvas = window.findChild<CanvasView*>(QStringLiteral("Picture1"));
    const struct {
        Qt::Key key;
        QPointF shift;
    } arrows[] = {{Qt::Key_Left, {kArrowPan, 0}},
                  {Qt::Key_Right, {-kArrowPan, 0}},
                  {Qt::Key_Up, {0, kArrowPan}},
                  {Qt::Key_Down, {0, -kArrowPan}}};
    for (const auto& arrow : arrows)
        AddCanvasKey(*canvas, QKeySequence(arrow.key),
                     [&view, shift = arrow.shift] { view.panBy(shift); });
    QObject::connect(canvas, &CanvasView::wheelTurned, &window,
                     [&view](QPointF pixel, double notches) { view.zoomAt(pixel, notches); });
    QObject::connect(canvas, &CanvasView::dragged, &window,
                     [&view](QPointF shift) { view.panBy(shift); });
}

}  // namespace shell
