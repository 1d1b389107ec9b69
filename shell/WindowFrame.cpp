// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/WindowFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <initializer_list>

#include "shell/FunCurveWindow.h"
#include "shell/MessageBox.h"
#include "texts/Texts.h"

namespace shell {
namespace {

struct MenuEntry {
    const char* title;
    std::initializer_list<const char*> actions;  // objectNames; nullptr is a separator
};

// The window's actions in their menus; an action a build lacks is left out.
void FillMenuBar(QMenuBar& bar, const frmFunCurve& window) {
    const MenuEntry menus[] = {
        {texts::kMenuFile, {"saveImage", "exportPdf", "print", nullptr, "quit"}},
        {texts::kMenuEdit, {"undo", "redo", nullptr, "copyImage"}},
        {texts::kViewMenu, {"multicolour", "lightGrid"}},
        {texts::kMenuHelp, {"help", "about"}},
    };
    for (const MenuEntry& entry : menus) {
        QMenu* menu = bar.addMenu(QString::fromUtf8(entry.title));
        for (const char* name : entry.actions) {
            if (name == nullptr) {
                menu->addSeparator();
            } else if (auto* action = window.findChild<QAction*>(QString::fromUtf8(name))) {
                menu->addAction(action);
            }
        }
        // The view's own commands (zoom, pan, equal units) follow in the same menu.
        if (entry.title == texts::kViewMenu) {
            if (const auto* view = window.findChild<QMenu*>(QStringLiteral("viewMenu"))) {
                if (!menu->isEmpty()) menu->addSeparator();
                menu->addActions(view->actions());
            }
        }
    }
}

// An action of the frame's own, named so that the menu bar and tests find it. Its key (F1
// for help) stays the window's, so the text only shows it and no shortcut is doubled.
QAction* AddFrameAction(frmFunCurve& window, const char* objectName, const char* text) {
    auto* action = new QAction(QString::fromUtf8(text), &window);
    action->setObjectName(QString::fromUtf8(objectName));
    return action;
}

}  // namespace

WindowFrame::WindowFrame(frmFunCurve& window) : window_(window) {
    setWindowTitle(window.windowTitle());
    setWindowIcon(window.windowIcon());
    QAction* quit = AddFrameAction(window, "quit", texts::kActionQuit);
    connect(quit, &QAction::triggered, this, [this] { window_.QuitProgram(); });
    QAction* help = AddFrameAction(window, "help", texts::kActionHelp);
    connect(help, &QAction::triggered, this, [this] {
        if (auto* button = window_.findChild<QPushButton*>(QStringLiteral("cmd帮助")))
            button->click();  // as F1: a disabled button ignores it
    });
    QAction* about = AddFrameAction(window, "about", texts::kActionAbout);
    connect(about, &QAction::triggered, this,
            [] { ShowMessage(QString::fromUtf8(texts::kAboutText)); });
    FillMenuBar(*menuBar(), window);
    const QSize client = window.size();
    setCentralWidget(&window);
    // The client area keeps the window's designed size; the bar is added above it.
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

WindowFrame::~WindowFrame() {
    takeCentralWidget();
}

void WindowFrame::closeEvent(QCloseEvent* event) {
    window_.QuitProgram();
    event->accept();
}

}  // namespace shell
