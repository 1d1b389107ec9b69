// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include "shell/Fonts.h"
#include "texts/Texts.h"

namespace shell {
namespace {

MessageHandler& InstalledHandler() {
    static MessageHandler handler;
    return handler;
}

// The platform's message box: modal to the active window, OK only, no icon, in the
// windows' typeface.
void ShowMessageBox(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setFont(DefaultWindowFont());
    box.exec();
}

}  // namespace

QString ApplicationTitle() {
    return QString::fromUtf8(texts::kApplicationTitle);
}

void ShowMessage(const QString& text) {
    // A copy: the handler may replace itself while it runs.
    const MessageHandler handler = InstalledHandler();
    if (handler) {
        handler(text);
    } else {
        ShowMessageBox(text);
    }
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    MessageHandler previous = std::move(InstalledHandler());
    InstalledHandler() = std::move(handler);
    return previous;
}

}  // namespace shell
