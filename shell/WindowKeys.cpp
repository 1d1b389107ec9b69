// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/WindowKeys.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <functional>

#include "shell/CanvasView.h"
#include "shell/CurveReader.h"
#include "shell/EquationFocus.h"
#include "shell/FunCurveWindow.h"
#include "shell/RunGuarded.h"
#include "texts/Texts.h"

namespace shell {
namespace {

// An action of the window whose keys work anywhere in it.
QAction* AddAction(QWidget* owner, const QString& text, const QKeySequence& keys) {
    auto* action = new QAction(text, owner);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    owner->addAction(action);
    return action;
}

// A key of the window that clicks one of its buttons (a disabled button ignores it).
void ClickOnKey(frmFunCurve& window, const QKeySequence& keys, const char* buttonName) {
    auto* button = window.findChild<QPushButton*>(QString::fromUtf8(buttonName));
    auto* shortcut = new QShortcut(keys, &window);
    QObject::connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
}

// An action of the window, found by its objectName (funcurve-cli triggers it by that name).
QAction* AddNamedAction(frmFunCurve& window, const char* objectName, const char* text,
                        const QKeySequence& keys, std::function<void(frmFunCurve&)> operation) {
    QAction* action = AddAction(&window, QString::fromUtf8(text), keys);
    action->setObjectName(QString::fromUtf8(objectName));
    QObject::connect(action, &QAction::triggered, &window, [&window, operation] {
        RunGuarded([&window, &operation] { operation(window); });
    });
    return action;
}

// A checkable action of the window that sets one of its options.
void AddOption(frmFunCurve& window, const char* objectName, const char* text,
               void (frmFunCurve::*set)(bool)) {
    QAction* action = AddAction(&window, QString::fromUtf8(text), {});
    action->setObjectName(QString::fromUtf8(objectName));
    action->setCheckable(true);
    QObject::connect(action, &QAction::toggled, &window,
                     [&window, set](bool on) { (window.*set)(on); });
}

// The actions the menu bar shows beside the canvas menu; each answers its keys anywhere in
// the window, with or without the menu bar.
void AddMenuActions(frmFunCurve& window) {
    AddNamedAction(window, "exportPdf", texts::kActionExportPdf, {}, &frmFunCurve::ExportPdf);
    AddNamedAction(window, "print", texts::kActionPrint, QKeySequence(Qt::CTRL | Qt::Key_P),
                   &frmFunCurve::PrintPlot);
    AddOption(window, "multicolour", texts::kActionMulticolour, &frmFunCurve::setMulticolour);
    AddOption(window, "lightGrid", texts::kActionLightGrid, &frmFunCurve::setLightGrid);
}

// The menu that a right click on Picture1 opens; saving also answers Ctrl+S.
void AddCanvasMenu(frmFunCurve& window) {
    auto* view = window.findChild<CanvasView*>(QStringLiteral("Picture1"));
    auto* menu = new QMenu(&window);
    menu->setObjectName(QStringLiteral("canvasMenu"));
    QAction* copy = menu->addAction(QString::fromUtf8(texts::kMenuCopyPicture));
    copy->setObjectName(QStringLiteral("copyImage"));
    QAction* save = AddAction(&window, QString::fromUtf8(texts::kMenuSavePicture),
                              QKeySequence(Qt::CTRL | Qt::Key_S));
    save->setObjectName(QStringLiteral("saveImage"));
    menu->addAction(save);
    menu->addAction(AddNamedAction(window, "undo", texts::kActionUndo,
                                   QKeySequence(Qt::CTRL | Qt::Key_Z), &frmFunCurve::Undo));
    AddNamedAction(window, "redo", texts::kActionRedo, QKeySequence(Qt::CTRL | Qt::Key_Y),
                   &frmFunCurve::Redo);
    menu->addSeparator();
    menu->addAction(AddNamedAction(window, "keyPoints", texts::kMenuKeyPoints,
                                   QKeySequence(Qt::CTRL | Qt::Key_K),
                                   [](frmFunCurve& w) { w.curveReader().showKeyPoints(); }));
    menu->addAction(AddNamedAction(window, "valueTable", texts::kMenuValueTable,
                                   QKeySequence(Qt::CTRL | Qt::Key_T),
                                   [](frmFunCurve& w) { w.curveReader().showValueTable(); }));
    QObject::connect(copy, &QAction::triggered, &window, [&window] { window.CopyPlotImage(); });
    QObject::connect(save, &QAction::triggered, &window, [&window] { window.SavePlotImage(); });
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view, &QWidget::customContextMenuRequested, menu,
                     [menu, view](const QPoint& at) { menu->popup(view->mapToGlobal(at)); });
}

}  // namespace

void AddCanvasMenuAndKeys(frmFunCurve& window) {
    AddCanvasMenu(window);
    AddMenuActions(window);
    // Esc first closes an open list or menu; only with none open does it cancel.
    auto* cancel = window.findChild<QPushButton*>(QStringLiteral("cmd取消"));
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), &window), &QShortcut::activated,
                     cancel, [cancel, &window, closes = new ListCloseWatch(window)] {
                         if (!CloseOpenPopup(window) && !closes->justClosed()) cancel->click();
                     });
    ClickOnKey(window, QKeySequence(Qt::Key_F1), "cmd帮助");
    auto* draw = window.findChild<QPushButton*>(QStringLiteral("cmd绘制图像"));
    auto* combo = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
    QObject::connect(combo->lineEdit(), &QLineEdit::returnPressed, draw, &QPushButton::click);
}

}  // namespace shell
