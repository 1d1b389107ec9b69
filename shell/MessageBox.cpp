// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MessageBox.h"

#include <cstdio>

#include "texts/Texts.h"

namespace shell {
namespace {

MessageHandler& InstalledHandler() {
    static MessageHandler handler;
    return handler;
}

MessageHandler& Presenter() {
    static MessageHandler presenter;
    return presenter;
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
    } else if (const MessageHandler presenter = Presenter()) {
        presenter(text);
    } else {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    MessageHandler previous = std::move(InstalledHandler());
    InstalledHandler() = std::move(handler);
    return previous;
}

void SetMessagePresenter(MessageHandler presenter) {
    Presenter() = std::move(presenter);
}

}  // namespace shell
